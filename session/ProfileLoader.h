#pragma once

// Makes a profile the current one and shows it clean. A file that the reader
// refuses changes nothing: the current profile and the document it is saved
// into stay as they are. A Default.wst that cannot be written is fatal.

#include <string>

class Dialogs;
class EditorState;
struct Profile;

class ProfileLoader {
public:
    ProfileLoader(EditorState& state, Dialogs& dialogs);

    // Reads NAME.wst; false after telling the user why the file was refused.
    bool LoadNamed(const std::string& name);
    // The built-in profile, with Default.wst written afresh; false after the
    // critical-error message, with no current profile and the session failed.
    bool LoadDefault();

private:
    void MakeCurrent(Profile profile);

    EditorState& state_;
    Dialogs& dialogs_;
};
