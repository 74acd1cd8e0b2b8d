#pragma once

// Which user action on which control starts which handler of the main window.
// Only the user's own actions are routed: a button's click and a drop-down's
// activation are never sent for a change the program makes, and the program
// keeps its own selections in the profile list from the list's handler.

#include "editor/ControlIds.h"

enum class Notification {
    Clicked,    // a button or check box, by mouse or keyboard
    Activated,  // a drop-down item chosen by mouse, keyboard or wheel
    // A list's selection has changed. Sent once the selection is in place,
    // which a change of the current row is not for a mouse click.
    SelectionChanged,
};

enum class Action {
    TeamChanged,
    ApplyClassBox,
    UpdateClassBox,
    MarkModified,
    ApplyMapFilter,
    ResetVehicleSubstitutes,
    ShowAbout,
    Quit,
    SwitchProfile,
    NewProfile,
    SaveProfile,
    RevertProfile,
    SaveProfileAs,
    Publish,
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
    {Notification::Activated, Id::RedTeam, Action::TeamChanged},
    {Notification::Activated, Id::BlueTeam, Action::TeamChanged},
    {Notification::Clicked, Id::RedAssault, Action::ApplyClassBox},
    {Notification::Clicked, Id::RedEngineer, Action::ApplyClassBox},
    {Notification::Clicked, Id::RedAntiTank, Action::ApplyClassBox},
    {Notification::Clicked, Id::RedScout, Action::ApplyClassBox},
    {Notification::Clicked, Id::BlueAssault, Action::ApplyClassBox},
    {Notification::Clicked, Id::BlueEngineer, Action::ApplyClassBox},
    {Notification::Clicked, Id::BlueAntiTank, Action::ApplyClassBox},
    {Notification::Clicked, Id::BlueScout, Action::ApplyClassBox},
    {Notification::Clicked, Id::RedAssaultPrimary, Action::UpdateClassBox},
    {Notification::Clicked, Id::RedAssaultSecondary, Action::UpdateClassBox},
    {Notification::Clicked, Id::RedEngineerPrimary, Action::UpdateClassBox},
    {Notification::Clicked, Id::RedEngineerSecondary, Action::UpdateClassBox},
    {Notification::Clicked, Id::RedAntiTankPrimary, Action::UpdateClassBox},
    {Notification::Clicked, Id::RedAntiTankSecondary, Action::UpdateClassBox},
    {Notification::Clicked, Id::RedScoutPrimary, Action::UpdateClassBox},
    {Notification::Clicked, Id::RedScoutSecondary, Action::UpdateClassBox},
    {Notification::Clicked, Id::BlueAssaultPrimary, Action::UpdateClassBox},
    {Notification::Clicked, Id::BlueAssaultSecondary, Action::UpdateClassBox},
    {Notification::Clicked, Id::BlueEngineerPrimary, Action::UpdateClassBox},
    {Notification::Clicked, Id::BlueEngineerSecondary, Action::UpdateClassBox},
    {Notification::Clicked, Id::BlueAntiTankPrimary, Action::UpdateClassBox},
    {Notification::Clicked, Id::BlueAntiTankSecondary, Action::UpdateClassBox},
    {Notification::Clicked, Id::BlueScoutPrimary, Action::UpdateClassBox},
    {Notification::Clicked, Id::BlueScoutSecondary, Action::UpdateClassBox},
    {Notification::Clicked, Id::RedWeapon1, Action::MarkModified},
    {Notification::Clicked, Id::RedWeapon1 + 1, Action::MarkModified},
    {Notification::Clicked, Id::RedWeapon1 + 2, Action::MarkModified},
    {Notification::Clicked, Id::RedWeapon1 + 3, Action::MarkModified},
    {Notification::Clicked, Id::RedWeapon1 + 4, Action::MarkModified},
    {Notification::Clicked, Id::RedWeapon1 + 5, Action::MarkModified},
    {Notification::Clicked, Id::BlueWeapon1, Action::MarkModified},
    {Notification::Clicked, Id::BlueWeapon1 + 1, Action::MarkModified},
    {Notification::Clicked, Id::BlueWeapon1 + 2, Action::MarkModified},
    {Notification::Clicked, Id::BlueWeapon1 + 3, Action::MarkModified},
    {Notification::Clicked, Id::BlueWeapon1 + 4, Action::MarkModified},
    {Notification::Clicked, Id::BlueWeapon1 + 5, Action::MarkModified},
    {Notification::Activated, Id::VehicleBm21, Action::MarkModified},
    {Notification::Activated, Id::VehicleBtr60, Action::MarkModified},
    {Notification::Activated, Id::VehicleM110, Action::MarkModified},
    {Notification::Activated, Id::VehicleM113, Action::MarkModified},
    {Notification::Activated, Id::VehicleMutt, Action::MarkModified},
    {Notification::Activated, Id::VehiclePatton, Action::MarkModified},
    {Notification::Activated, Id::VehicleMuttAlt, Action::MarkModified},
    {Notification::Activated, Id::VehiclePt76, Action::MarkModified},
    {Notification::Activated, Id::VehicleScooter, Action::MarkModified},
    {Notification::Activated, Id::VehicleSheridan, Action::MarkModified},
    {Notification::Activated, Id::VehicleT54, Action::MarkModified},
    {Notification::Activated, Id::VehicleUaz, Action::MarkModified},
    {Notification::Activated, Id::VehicleZsu, Action::MarkModified},
    {Notification::Activated, Id::VehiclePbr, Action::MarkModified},
    {Notification::Activated, Id::VehicleSampan, Action::MarkModified},
    {Notification::Activated, Id::VehicleAch47, Action::MarkModified},
    {Notification::Activated, Id::VehicleCobra, Action::MarkModified},
    {Notification::Activated, Id::VehicleCorsair, Action::MarkModified},
    {Notification::Activated, Id::VehiclePhantom, Action::MarkModified},
    {Notification::Activated, Id::VehicleMi8, Action::MarkModified},
    {Notification::Activated, Id::VehicleMig17, Action::MarkModified},
    {Notification::Activated, Id::VehicleMig21, Action::MarkModified},
    {Notification::Activated, Id::VehicleHueyGun, Action::MarkModified},
    {Notification::Activated, Id::VehicleHueySlick, Action::MarkModified},
    {Notification::Activated, Id::VehicleKa25, Action::MarkModified},
    {Notification::Activated, Id::VehicleOh6, Action::MarkModified},
    {Notification::Activated, Id::MapFilter, Action::ApplyMapFilter},
    {Notification::Clicked, Id::VehicleDefaultButton, Action::ResetVehicleSubstitutes},
    {Notification::Clicked, Id::AboutButton, Action::ShowAbout},
    {Notification::Clicked, Id::QuitButton, Action::Quit},
};
}  // namespace RoutingTableDetail

using RoutingTableDetail::routingTable;
