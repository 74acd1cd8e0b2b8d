#pragma once

// Makes a profile of the working folder the current one and shows it clean in
// the panels. A file that the reader refuses changes nothing: the current
// profile, the document it is saved into and the panels stay as they are. A
// Default.wst that cannot be written is fatal.

#include <string>

class Dialogs;
class Editor;
struct Profile;

class ProfileLoader {
public:
    ProfileLoader(Editor& editor, Dialogs& dialogs);

    // Reads NAME.wst; false after telling the user why the file was refused.
    bool LoadNamed(const std::string& name);
    // The built-in profile, with Default.wst written afresh; false after the
    // critical-error message, with no current profile and the editor failed.
    bool LoadDefault();

private:
    void MakeCurrent(Profile profile);

    Editor& editor_;
    Dialogs& dialogs_;
};
