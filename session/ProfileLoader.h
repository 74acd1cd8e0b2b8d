#pragma once

// Makes a profile the current one and shows it clean. A file that the reader
// refuses changes nothing: the current profile and the document it is saved
// into stay as they are. A Default.wst that cannot be written is fatal.

#include "profile/Profile.h"

#include <functional>
#include <optional>
#include <string>

class Dialogs;
class EditorState;
class ProfileStore;
struct ProfileEntry;

class ProfileLoader {
public:
    ProfileLoader(EditorState& state, Dialogs& dialogs);

    // Reads the entry's own file; false after telling the user why it was refused.
    bool Load(const ProfileEntry& entry);
    // The same for the listed entry of that name, else NAME.wst.
    bool LoadNamed(const std::string& name);
    // The built-in profile, with Default.wst written afresh; false after the
    // critical-error message, with no current profile and the session failed.
    bool LoadDefault();

private:
    bool LoadWith(
        const std::string& name, const std::function<std::optional<Profile>(ProfileStore&)>& read);
    void MakeCurrent(Profile profile);

    EditorState& state_;
    Dialogs& dialogs_;
};
