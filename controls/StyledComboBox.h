#pragma once

// A drop-down list with its own colours and font, always opaque: its
// background colour fills both its face and its opened list.

#include "controls/StyledControl.h"

#include <QComboBox>

class StyledComboBox : public StyledControl<QComboBox> {
    Q_OBJECT
public:
    explicit StyledComboBox(QWidget* parent = nullptr);

    using StyledControl::SetInteractive;

    void showPopup() override;

protected:
    void paintEvent(QPaintEvent* event) override;
};
