#pragma once

// What the editing logic of the main window holds besides its controls: the
// profile store, the profile being edited, whether the panels hold unsaved
// edits, the publish targets found at start-up. The edits themselves live in
// the panel controls; the profile record only keeps the values it was last
// loaded or collected with.

#include "profile/Profile.h"
#include "profile/ProfileStore.h"

#include <memory>
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
    void EnableSaveAndRevert(bool enabled);

    // The selected entry of the profile list: 0 "Default", 1 and up a profile
    // file, -1 when nothing is selected.
    int SelectedProfileIndex() const;

    // Reads and writes the profiles of the working folder; made at start-up
    // once the folder has proved writable. It holds the document of the
    // current profile, which a save edits and writes.
    std::unique_ptr<ProfileStore> profileStore;
    // Present from start-up on while the window is open, so that every
    // command of the window has one to work on.
    std::optional<Profile> currentProfile;
    bool modified = false;
    // Set from the command line: publish only into the working folder.
    bool workingFolderOnly = false;
    // Full paths of CustomCombat.wst in the server's and the game's settings
    // folders; empty when that install was not found or publishing is
    // restricted to the working folder. A Windows path when the install's
    // drive has no folder in the Wine prefix.
    std::string serverPublishPath;
    std::string gamePublishPath;
    // A condition the program cannot go on from has been told to the user:
    // the window ends at once and the program with exit code 1.
    bool fatalError = false;

private:
    QListWidget& profileList_;
    QAbstractButton& saveButton_;
    QAbstractButton& revertButton_;
};
