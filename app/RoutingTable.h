#pragma once

// Which user action on which control starts which handler of the main window.
// Only the user's own actions are routed: a button's click and a drop-down's
// activation are never sent for a change the program makes, and the program
// keeps its own selections in the profile list from the list's handler.

#include "panels/ControlTable.h"

#include <algorithm>

enum class Notification {
    Clicked,    // a button or check box, by mouse or keyboard
    Activated,  // a drop-down item chosen by mouse, keyboard or wheel
    // A list's selection has changed. Sent once the selection is in place,
    // which a change of the current row is not for a mouse click.
    SelectionChanged,
};

enum class Action {
    ChooseTeam,
    ClickClassBox,
    ClickKitBox,
    ClickWeaponBox,
    ChooseSubstitute,
    ApplyMapFilter,
    ResetSubstitutes,
    ShowAbout,
    Quit,
    SwitchProfile,
    NewProfile,
    SaveProfile,
    RevertProfile,
    SaveProfileAs,
    Publish,
    // Window actions without a control of their own: keys and menus start them.
    Undo,
    Redo,
    Compare,
};

struct Route {
    Notification notification;
    int id;
    Action action;
};

namespace RoutingTableDetail {
namespace Id = ControlId;

inline constexpr Route routingTable[] = {
    {Notification::SelectionChanged, Id::ProfileList, Action::SwitchProfile},
    {Notification::Clicked, Id::NewButton, Action::NewProfile},
    {Notification::Clicked, Id::SaveButton, Action::SaveProfile},
    {Notification::Clicked, Id::RevertButton, Action::RevertProfile},
    {Notification::Clicked, Id::SaveAsButton, Action::SaveProfileAs},
    {Notification::Clicked, Id::PublishButton, Action::Publish},
    {Notification::Activated, Id::RedTeam, Action::ChooseTeam},
    {Notification::Activated, Id::BlueTeam, Action::ChooseTeam},
    {Notification::Clicked, Id::RedAssault, Action::ClickClassBox},
    {Notification::Clicked, Id::RedEngineer, Action::ClickClassBox},
    {Notification::Clicked, Id::RedAntiTank, Action::ClickClassBox},
    {Notification::Clicked, Id::RedScout, Action::ClickClassBox},
    {Notification::Clicked, Id::BlueAssault, Action::ClickClassBox},
    {Notification::Clicked, Id::BlueEngineer, Action::ClickClassBox},
    {Notification::Clicked, Id::BlueAntiTank, Action::ClickClassBox},
    {Notification::Clicked, Id::BlueScout, Action::ClickClassBox},
    {Notification::Clicked, Id::RedAssaultPrimary, Action::ClickKitBox},
    {Notification::Clicked, Id::RedAssaultSecondary, Action::ClickKitBox},
    {Notification::Clicked, Id::RedEngineerPrimary, Action::ClickKitBox},
    {Notification::Clicked, Id::RedEngineerSecondary, Action::ClickKitBox},
    {Notification::Clicked, Id::RedAntiTankPrimary, Action::ClickKitBox},
    {Notification::Clicked, Id::RedAntiTankSecondary, Action::ClickKitBox},
    {Notification::Clicked, Id::RedScoutPrimary, Action::ClickKitBox},
    {Notification::Clicked, Id::RedScoutSecondary, Action::ClickKitBox},
    {Notification::Clicked, Id::BlueAssaultPrimary, Action::ClickKitBox},
    {Notification::Clicked, Id::BlueAssaultSecondary, Action::ClickKitBox},
    {Notification::Clicked, Id::BlueEngineerPrimary, Action::ClickKitBox},
    {Notification::Clicked, Id::BlueEngineerSecondary, Action::ClickKitBox},
    {Notification::Clicked, Id::BlueAntiTankPrimary, Action::ClickKitBox},
    {Notification::Clicked, Id::BlueAntiTankSecondary, Action::ClickKitBox},
    {Notification::Clicked, Id::BlueScoutPrimary, Action::ClickKitBox},
    {Notification::Clicked, Id::BlueScoutSecondary, Action::ClickKitBox},
    {Notification::Clicked, Id::RedWeapon1, Action::ClickWeaponBox},
    {Notification::Clicked, Id::RedWeapon1 + 1, Action::ClickWeaponBox},
    {Notification::Clicked, Id::RedWeapon1 + 2, Action::ClickWeaponBox},
    {Notification::Clicked, Id::RedWeapon1 + 3, Action::ClickWeaponBox},
    {Notification::Clicked, Id::RedWeapon1 + 4, Action::ClickWeaponBox},
    {Notification::Clicked, Id::RedWeapon1 + 5, Action::ClickWeaponBox},
    {Notification::Clicked, Id::BlueWeapon1, Action::ClickWeaponBox},
    {Notification::Clicked, Id::BlueWeapon1 + 1, Action::ClickWeaponBox},
    {Notification::Clicked, Id::BlueWeapon1 + 2, Action::ClickWeaponBox},
    {Notification::Clicked, Id::BlueWeapon1 + 3, Action::ClickWeaponBox},
    {Notification::Clicked, Id::BlueWeapon1 + 4, Action::ClickWeaponBox},
    {Notification::Clicked, Id::BlueWeapon1 + 5, Action::ClickWeaponBox},
    {Notification::Activated, Id::VehicleBm21, Action::ChooseSubstitute},
    {Notification::Activated, Id::VehicleBtr60, Action::ChooseSubstitute},
    {Notification::Activated, Id::VehicleM110, Action::ChooseSubstitute},
    {Notification::Activated, Id::VehicleM113, Action::ChooseSubstitute},
    {Notification::Activated, Id::VehicleMutt, Action::ChooseSubstitute},
    {Notification::Activated, Id::VehiclePatton, Action::ChooseSubstitute},
    {Notification::Activated, Id::VehicleMuttAlt, Action::ChooseSubstitute},
    {Notification::Activated, Id::VehiclePt76, Action::ChooseSubstitute},
    {Notification::Activated, Id::VehicleScooter, Action::ChooseSubstitute},
    {Notification::Activated, Id::VehicleSheridan, Action::ChooseSubstitute},
    {Notification::Activated, Id::VehicleT54, Action::ChooseSubstitute},
    {Notification::Activated, Id::VehicleUaz, Action::ChooseSubstitute},
    {Notification::Activated, Id::VehicleZsu, Action::ChooseSubstitute},
    {Notification::Activated, Id::VehiclePbr, Action::ChooseSubstitute},
    {Notification::Activated, Id::VehicleSampan, Action::ChooseSubstitute},
    {Notification::Activated, Id::VehicleAch47, Action::ChooseSubstitute},
    {Notification::Activated, Id::VehicleCobra, Action::ChooseSubstitute},
    {Notification::Activated, Id::VehicleCorsair, Action::ChooseSubstitute},
    {Notification::Activated, Id::VehiclePhantom, Action::ChooseSubstitute},
    {Notification::Activated, Id::VehicleMi8, Action::ChooseSubstitute},
    {Notification::Activated, Id::VehicleMig17, Action::ChooseSubstitute},
    {Notification::Activated, Id::VehicleMig21, Action::ChooseSubstitute},
    {Notification::Activated, Id::VehicleHueyGun, Action::ChooseSubstitute},
    {Notification::Activated, Id::VehicleHueySlick, Action::ChooseSubstitute},
    {Notification::Activated, Id::VehicleKa25, Action::ChooseSubstitute},
    {Notification::Activated, Id::VehicleOh6, Action::ChooseSubstitute},
    {Notification::Activated, Id::MapFilter, Action::ApplyMapFilter},
    {Notification::Clicked, Id::VehicleDefaultButton, Action::ResetSubstitutes},
    {Notification::Clicked, Id::AboutButton, Action::ShowAbout},
    {Notification::Clicked, Id::QuitButton, Action::Quit},
};
}  // namespace RoutingTableDetail

using RoutingTableDetail::routingTable;

// Clicks come from buttons and check boxes, activations from drop-downs and
// selections from the list.
constexpr bool NotificationFitsControl(const Route& route)
{
    const ControlKind kind = KindOf(route.id);
    switch (route.notification) {
    case Notification::Clicked:
        return kind == ControlKind::PushButton || kind == ControlKind::RadioButton
            || kind == ControlKind::ClassBox || kind == ControlKind::KitBox
            || kind == ControlKind::WeaponBox;
    case Notification::Activated:
        return kind == ControlKind::DropDown || kind == ControlKind::StyledDropDown;
    case Notification::SelectionChanged:
        return kind == ControlKind::ListBox;
    }
    return false;
}
static_assert(std::ranges::all_of(routingTable, NotificationFitsControl),
    "a route listens for a notification its control does not send");
