#pragma once

// The window program's command line, read before the toolkit starts so that
// help, version and warnings need no display. The help also lists "+bvrm",
// but the application looks for that anywhere in the command line itself;
// the toolkit's own options (-style, -platform, ...) are left to the toolkit.
// Any other argument the program does not know (an unknown option, a file
// that is not NAME.wst, a second profile file, --prefix without its value)
// is ignored with a warning: the window still opens, as a desktop that adds
// arguments of its own expects.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

enum class LaunchRequest { OpenWindow, ShowHelp, ShowVersion };

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
    std::string prefix;  // --prefix PATH: the one Wine prefix to look in; "" when not given
    // One line per ignored argument, without the program's name.
    std::vector<std::string> warnings;

    // Help wins over version, both over opening the window; the first
    // profile file wins over --menu and over any later one.
    static LaunchOptions FromArguments(int argc, const char* const* argv);
};

// The text --help prints, naming the program as it was called.
std::string LaunchHelp(std::string_view program);
