#pragma once

// The window program's own options, read before the toolkit starts so that
// help and version need no display. The help also lists "+bvrm", but the
// application looks for that anywhere in the command line itself; arguments
// that are no option here are left to the toolkit.

#include <string>
#include <string_view>

enum class LaunchRequest { OpenWindow, ShowHelp, ShowVersion };

// Where the profiles live: the folder the program was started in, or, for a
// start from the desktop menu (which starts programs in the home folder), the
// user's data folder for Quavel.
enum class StartFolder { Current, UserData };

struct LaunchOptions {
    LaunchRequest request = LaunchRequest::OpenWindow;
    StartFolder startFolder = StartFolder::Current;
    std::string prefix;  // --prefix PATH: the one Wine prefix to look in; "" when not given

    // Help wins over version; both win over opening the window.
    static LaunchOptions FromArguments(int argc, const char* const* argv);
};

// The text --help prints, naming the program as it was called.
std::string LaunchHelp(std::string_view program);
