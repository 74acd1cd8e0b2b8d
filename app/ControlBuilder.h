#pragma once

// Creates the main window's controls from the control table as children of
// the window, in table order (so the tab order follows the table), places
// them by converting dialog units with the window's font, and registers each
// addressed control under its identifier, which is also its object name.
// Each addressed control gets its name for screen readers, each row label
// and side heading the control it names as its buddy.

#include "panels/ControlTable.h"

#include <QFont>

#include <optional>
#include <span>

class QButtonGroup;
class QWidget;
class WindowControls;

class ControlBuilder {
public:
    explicit ControlBuilder(QWidget& window);

    void Build(std::span<const ControlSpec> table, WindowControls& controls);

private:
    QWidget& Create(const ControlSpec& entry);
    void JoinRadioGroup(const ControlSpec& entry, QWidget& control);
    void Place(const ControlSpec& entry, QWidget& control);
    static void ApplyFlags(const ControlSpec& entry, QWidget& control);

    QWidget& window_;
    QFont font_;
    QButtonGroup* radioGroup_ = nullptr;  // the run of radio buttons being built
    std::optional<int> dropDownFaceHeight_;
};
