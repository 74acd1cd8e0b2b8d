#pragma once

// The folder a start from the desktop menu works in. The menu starts programs
// in the home folder, where profiles would lie among the user's own files, so
// such a start moves into Quavel's folder under the user's data folder, as the
// XDG base directory rules place it. A start from a terminal never comes here.

#include <filesystem>
#include <optional>
#include <string>

struct UserDataFolder {
    std::string dataHome;  // XDG_DATA_HOME
    std::string home;      // HOME

    static UserDataFolder FromProcess();

    // $XDG_DATA_HOME/quavel, else $HOME/.local/share/quavel; a variable that is
    // empty or not an absolute path counts as unset. None when neither serves.
    std::optional<std::filesystem::path> Location() const;

    // Creates the folder when missing (missing parents too, each readable by
    // the owner only) and makes it the current folder. Why that failed, or none.
    std::optional<std::string> Enter() const;
};
