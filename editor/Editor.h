#pragma once

// The editing logic behind the main window: its state, its three panels, the
// profile list and the "Publish To" targets, the start-up that fills and shows
// them, the two whole-window transfers between the current profile and the
// controls, the profile commands, publishing and the close path. The window
// builds the controls and routes the user's actions here.

#include "editor/EditorState.h"
#include "editor/ProfileCommands.h"
#include "editor/ProfileListBox.h"
#include "editor/ProfileLoader.h"
#include "editor/PublishTargetButtons.h"
#include "editor/Publisher.h"
#include "editor/TeamKitPanel.h"
#include "editor/VehiclePanel.h"
#include "editor/WeaponSlotPanel.h"

class Dialogs;
class WindowControls;

class Editor {
public:
    Editor(const WindowControls& controls, Dialogs& dialogs);

    // Fills the fixed lists, styles the team controls, finds the publish
    // targets, checks that the working folder can be written and shows the
    // first profile. A check that fails leaves state.fatalError set.
    void Start();

    // Shows the whole profile in every panel control.
    void ProfileToControls(const Profile& profile);
    // Copies every panel control back into the profile.
    void ControlsToProfile(Profile& profile) const;

    // The window is asked to close: false keeps it open, when the user
    // cancels the question about unsaved edits. Otherwise the current
    // profile is released.
    bool Close();

    EditorState state;
    TeamKitPanel teamKit;
    WeaponSlotPanel weaponSlots;
    VehiclePanel vehicles;
    ProfileListBox profileList;
    PublishTargetButtons publishTargets;
    ProfileLoader loader;
    ProfileCommands profiles;
    Publisher publisher;

private:
    Dialogs& dialogs_;
};
