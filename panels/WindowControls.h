#pragma once

// The main window's controls by identifier (ControlIds.h), typed by the kind
// the control table gives them. Get<id>() takes its class from the table at
// compile time; Get<kind>(id) serves identifiers from the panels' tables,
// which ControlIds.h checks against the control table with static_assert. So
// a control addressed as the wrong kind, or a missing one, does not build.
// The widgets belong to the window.

#include "controls/SingleChoiceList.h"
#include "controls/StyledButton.h"
#include "controls/StyledComboBox.h"
#include "controls/StyledLabel.h"
#include "panels/ControlTable.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <unordered_map>

template <ControlKind kind> struct ControlClassOf;
template <> struct ControlClassOf<ControlKind::GroupBox> { using Type = QGroupBox; };
template <> struct ControlClassOf<ControlKind::ListBox> { using Type = SingleChoiceList; };
template <> struct ControlClassOf<ControlKind::PushButton> { using Type = QPushButton; };
template <> struct ControlClassOf<ControlKind::RadioButton> { using Type = QRadioButton; };
template <> struct ControlClassOf<ControlKind::Label> { using Type = QLabel; };
template <> struct ControlClassOf<ControlKind::RowLabel> { using Type = QLabel; };
template <> struct ControlClassOf<ControlKind::TeamHeading> { using Type = StyledLabel; };
template <> struct ControlClassOf<ControlKind::DropDown> { using Type = QComboBox; };
template <> struct ControlClassOf<ControlKind::StyledDropDown> { using Type = StyledComboBox; };
template <> struct ControlClassOf<ControlKind::ClassBox> { using Type = StyledButton; };
template <> struct ControlClassOf<ControlKind::KitBox> { using Type = StyledButton; };
template <> struct ControlClassOf<ControlKind::WeaponBox> { using Type = QCheckBox; };

class WindowControls {
public:
    void Add(int id, QWidget& control) { controls_[id] = &control; }

    template <int id> auto& Get() const { return Get<KindOf(id)>(id); }

    template <ControlKind kind> auto& Get(int id) const
    {
        using Class = typename ControlClassOf<kind>::Type;
        return static_cast<Class&>(*controls_.at(id));
    }

    // A control as a class that every kind it may be derives from: for the
    // routing table, whose notifications are checked against the kinds at
    // compile time.
    template <class Base> Base& GetAs(int id) const
    {
        return static_cast<Base&>(*controls_.at(id));
    }

private:
    std::unordered_map<int, QWidget*> controls_;
};
