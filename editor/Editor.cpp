#include "editor/Editor.h"

#include "editor/Dialogs.h"
#include "editor/StartupChecks.h"
#include "installs/WinePrefix.h"

#include <memory>

Editor::Editor(const WindowControls& controls, Dialogs& dialogs)
    : state(controls)
    , teamKit(controls, state, dialogs)
    , weaponSlots(controls)
    , vehicles(controls, state)
    , profileList(controls)
    , publishTargets(controls)
    , loader(*this, dialogs)
    , profiles(*this, profileList, loader, dialogs)
    , publisher(*this, publishTargets, profiles, dialogs)
    , dialogs_(dialogs)
{
}

void Editor::Start()
{
    state.currentProfile.reset();
    vehicles.FillMapFilter();
    teamKit.ApplyAppearance();
    teamKit.FillTeamLists();
    FindPublishTargets(state, publishTargets, dialogs_, WinePrefix::FromEnvironment());
    vehicles.FillVehicleLists();
    if (!CanCreateFilesInWorkingFolder()) {
        dialogs_.ShowWindowMessage(QString(),
            QStringLiteral("You do not have write access to the QUAVEL folder. This is required "
                           "for QUAVEL to work!"));
        state.fatalError = true;
        return;
    }
    state.profileStore = std::make_unique<ProfileStore>();
    profiles.FillProfileList(ProfileCommands::Selection::Initial);
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
    if (!profiles.ConfirmSaveChanges())
        return false;
    state.currentProfile.reset();
    return true;
}
