#pragma once

// The editing logic behind the main window: its state and its three panels,
// the start-up that fills and shows them, the two whole-window transfers
// between the current profile and the controls, and the close path. The
// window builds the controls and routes the user's actions here.

#include "editor/EditorState.h"
#include "editor/TeamKitPanel.h"
#include "editor/VehiclePanel.h"
#include "editor/WeaponSlotPanel.h"

class Dialogs;
class QListWidget;
class WindowControls;

class Editor {
public:
    Editor(const WindowControls& controls, Dialogs& dialogs);

    // Fills the fixed lists, styles the team controls and shows the first profile.
    void Start();

    // Shows the whole profile in every panel control.
    void ProfileToControls(const Profile& profile);
    // Copies every panel control back into the profile.
    void ControlsToProfile(Profile& profile) const;

    // The window is asked to close: false keeps it open. Otherwise the
    // current profile is released.
    bool Close();

    EditorState state;
    TeamKitPanel teamKit;
    WeaponSlotPanel weaponSlots;
    VehiclePanel vehicles;

private:
    void ShowBuiltInDefaultProfile();

    QListWidget& profileList_;
};
