#pragma once

// What a screen reader calls each control of the main window, made from the
// tables rather than written per control: a control that shows a setting as
// the setting is named (see SettingNames: "Red Team, Scout kit, secondary",
// "Substitute for BM-21"), a captionless control after the row label that
// names it, any other after its caption without the "&".

#include "panels/ControlTable.h"

#include <QString>

// Empty for a control without an identifier, which never takes the focus.
QString AccessibleNameOf(const ControlSpec& entry);
