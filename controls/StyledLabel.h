#pragma once

// A text label with its own colours and font, transparent by default, which
// can also underline and rotate its text.

#include "controls/StyledControl.h"

#include <QLabel>

class StyledLabel : public StyledControl<QLabel> {
    Q_OBJECT
public:
    explicit StyledLabel(QWidget* parent = nullptr);

    using StyledControl::IsTransparent;
    using StyledControl::SetTransparent;

    bool SetUnderline(bool on);
    // Counter-clockwise, in degrees.
    bool SetRotation(int degrees);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int rotation = 0;
};
