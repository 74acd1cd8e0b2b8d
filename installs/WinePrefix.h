#pragma once

// The folder of a Wine prefix: the Windows world in which the game and its
// dedicated server run. Only the files this program reads are named here: the
// machine-wide registry hive and the links that stand for drive letters.

#include <filesystem>
#include <utility>

// The prefix in the home folder that Wine uses when $WINEPREFIX is not set.
inline constexpr const char* kDefaultPrefixName = ".wine";

class WinePrefix {
public:
    explicit WinePrefix(std::filesystem::path folder)
        : folder_(std::move(folder))
    {
    }

    const std::filesystem::path& folder() const { return folder_; }
    // HKEY_LOCAL_MACHINE.
    std::filesystem::path SystemRegistry() const;
    // dosdevices/<letter>: with the letter in lower case, as Wine names it.
    std::filesystem::path DriveLink(char driveLetter) const;

private:
    std::filesystem::path folder_;
};
