#include "editor/Editor.h"

#include "editor/ControlIds.h"
#include "editor/WindowControls.h"

#include <QListWidget>
#include <QSignalBlocker>

Editor::Editor(const WindowControls& controls, Dialogs& dialogs)
    : state(controls)
    , teamKit(controls, state, dialogs)
    , weaponSlots(controls)
    , vehicles(controls, state)
    , profileList_(controls.Get<QListWidget>(ControlId::ProfileList))
{
}

void Editor::Start()
{
    state.currentProfile.reset();
    vehicles.FillMapFilter();
    teamKit.ApplyAppearance();
    teamKit.FillTeamLists();
    vehicles.FillVehicleLists();
    ShowBuiltInDefaultProfile();
    state.SetModified(false);
}

void Editor::ShowBuiltInDefaultProfile()
{
    // Selecting the entry is the program's doing, not a profile switch.
    const QSignalBlocker blocker(profileList_);
    profileList_.clear();
    profileList_.addItem(QString::fromUtf8(kDefaultProfileName));
    profileList_.setCurrentRow(0);
    state.currentProfile = BuiltInDefaultProfile();
    ProfileToControls(*state.currentProfile);
    state.SetModified(false);
}

void Editor::ProfileToControls(const Profile& profile)
{
    teamKit.ShowTeams(profile);
    weaponSlots.ShowWeapons(profile);
    teamKit.ShowKits(profile);
    vehicles.ShowVehicles(profile);
}

void Editor::ControlsToProfile(Profile& profile) const
{
    teamKit.CollectTeams(profile);
    weaponSlots.CollectWeapons(profile);
    vehicles.CollectVehicles(profile);
    teamKit.CollectKits(profile);
}

bool Editor::Close()
{
    state.currentProfile.reset();
    return true;
}
