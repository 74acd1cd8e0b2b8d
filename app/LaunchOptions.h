#pragma once

// The window program's command line, read before the toolkit starts so that
// help, version and a refused command line need no display. The help also
// lists "+bvrm", but the application looks for that anywhere in the command
// line itself; the toolkit's own options (-style, -platform, ...) are left to
// the toolkit. Any other argument that starts with a dash is refused, and so
// is any argument that names no profile file.

#include <filesystem>
#include <string>
#include <string_view>

enum class LaunchRequest { OpenWindow, ShowHelp, ShowVersion, Refuse };

// Where the profiles live: the folder the program was started in; for a start
// from the desktop menu (which starts programs in the home folder) the user's
// data folder for Quavel; or the folder of a profile file named on the
// command line, as a file manager opens one.
enum class StartFolder { Current, UserData, ProfileFolder };

struct LaunchOptions {
    LaunchRequest request = LaunchRequest::OpenWindow;
    StartFolder startFolder = StartFolder::Current;
    // For StartFolder::ProfileFolder: the folder of PATH/NAME.wst ("." when
    // the path names none) and NAME, the profile the window should select.
    std::filesystem::path profileFolder;
    std::string profileToOpen;
    std::string refusal;  // for Refuse: why, in one line
    std::string prefix;   // --prefix PATH: the one Wine prefix to look in; "" when not given

    // A refusal wins over help, help over version, both over opening the
    // window; a profile file wins over --menu.
    static LaunchOptions FromArguments(int argc, const char* const* argv);
};

// The text --help prints, naming the program as it was called.
std::string LaunchHelp(std::string_view program);
