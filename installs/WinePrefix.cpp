#include "installs/WinePrefix.h"

#include <cstdlib>
#include <pwd.h>
#include <string>
#include <unistd.h>

namespace {

constexpr const char* kDefaultPrefixName = ".wine";

// $HOME, else the user's home folder from the password database.
std::filesystem::path HomeFolder()
{
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0')
        return home;
    if (const passwd* user = getpwuid(getuid()); user != nullptr && user->pw_dir != nullptr)
        return user->pw_dir;
    return {};
}

}  // namespace

WinePrefix WinePrefix::FromEnvironment()
{
    if (const char* prefix = std::getenv("WINEPREFIX"); prefix != nullptr && *prefix != '\0')
        return WinePrefix(prefix);
    return WinePrefix(HomeFolder() / kDefaultPrefixName);
}

std::filesystem::path WinePrefix::SystemRegistry() const
{
    return folder_ / "system.reg";
}

std::filesystem::path WinePrefix::DriveLink(char driveLetter) const
{
    const char letter = driveLetter >= 'A' && driveLetter <= 'Z'
        ? static_cast<char>(driveLetter - 'A' + 'a')
        : driveLetter;
    return folder_ / "dosdevices" / (std::string(1, letter) + ':');
}
