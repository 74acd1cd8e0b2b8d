#pragma once

// What the editing logic of the main window holds besides its controls: the
// profile being edited, whether the panels hold unsaved edits, the publish
// targets found at start-up. The edits themselves live in the panel controls;
// the profile record only keeps the values it was last loaded or collected with.

#include "profile/Profile.h"

#include <optional>
#include <string>

class QAbstractButton;
class QListWidget;
class WindowControls;

class EditorState {
public:
    explicit EditorState(const WindowControls& controls);

    // Records the flag. While a profile file (list entry 1 or later) is
    // selected, also enables Save and Revert with it; while "Default" or
    // nothing is selected they are left as they are.
    void SetModified(bool flag);

    // The selected entry of the profile list: 0 "Default", 1 and up a profile
    // file, -1 when nothing is selected.
    int SelectedProfileIndex() const;

    std::optional<Profile> currentProfile;
    bool modified = false;
    // Set from the command line: publish only into the working folder.
    bool workingFolderOnly = false;
    // Full paths of CustomCombat.wst in the server's and the game's settings
    // folders; empty when that install was not found or publishing is
    // restricted to the working folder.
    std::string serverPublishPath;
    std::string gamePublishPath;

private:
    QListWidget& profileList_;
    QAbstractButton& saveButton_;
    QAbstractButton& revertButton_;
};
