#pragma once

// The few parts of the process's environment that decide where Wine prefixes
// and the settings file are: read once at start-up, then handed on, so that
// everything below works on any home folder (tests give it a fake one).

#include <filesystem>
#include <string>

struct UserEnvironment {
    std::filesystem::path home;
    std::string winePrefix;     // $WINEPREFIX; "" when not set
    std::string xdgConfigHome;  // $XDG_CONFIG_HOME; "" when not set

    // $HOME, else the home folder of the password database, and the variables above.
    static UserEnvironment FromProcess();
};
