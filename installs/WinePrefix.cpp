#include "installs/WinePrefix.h"

#include <string>

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
