#pragma once

// A check box with its own colours and font. Transparent by default, so the
// panel behind it shows through. As a three-state box it steps through
// cleared, checked and mixed, in that order, on each click.

#include "controls/StyledControl.h"

#include <QCheckBox>

class StyledButton : public StyledControl<QCheckBox> {
    Q_OBJECT
public:
    explicit StyledButton(QWidget* parent = nullptr);

    using StyledControl::IsTransparent;
    using StyledControl::SetInteractive;
    using StyledControl::SetTransparent;

protected:
    void nextCheckState() override;
};
