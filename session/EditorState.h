#pragma once

// What the editing session holds: the profile store, the profile being
// edited, whether it holds unsaved edits, the profile list with its
// selection and the publish targets found at start-up. The profile record is
// the one copy of the user's edits; the window's controls only show it.

#include "profile/FolderLock.h"
#include "profile/Profile.h"
#include "profile/ProfileStore.h"
#include "session/EditHistory.h"
#include "session/ProfileList.h"
#include "session/PublishTargets.h"

#include <memory>
#include <optional>

class SessionView;

class EditorState {
public:
    explicit EditorState(SessionView& view);

    // Records the flag. While a profile file (list entry 1 or later) is
    // selected, also enables Save and Revert with it; while "Default" or
    // nothing is selected they are left as they are.
    void SetModified(bool flag);
    void EnableSaveAndRevert(bool enabled);
    bool saveAndRevertEnabled() const { return saveAndRevertEnabled_; }

    SessionView& view;
    // Reads and writes the profiles of the working folder; made at start-up
    // once the folder has proved writable. It holds the document of the
    // current profile, which a save edits and writes.
    std::unique_ptr<ProfileStore> profileStore;
    // Present from the first load on, so that every command has one to work on.
    std::optional<Profile> currentProfile;
    // Every state of currentProfile since it was loaded.
    EditHistory history;
    bool modified = false;
    ProfileList profileList;
    PublishTargets publishTargets;
    // The working folder's lock while this session holds it (FolderLockHold).
    std::unique_ptr<FolderLock> folderLock;
    // Takes it, waiting for another program's turn to end: 0 or the errno.
    int LockFolder();
    // A condition the program cannot go on from has been told to the user:
    // the window ends at once and the program with exit status 1.
    bool fatalError = false;

private:
    bool saveAndRevertEnabled_ = false;
};
