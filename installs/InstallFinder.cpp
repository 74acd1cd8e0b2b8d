#include "installs/InstallFinder.h"

#include "installs/GameDir.h"
#include "installs/WinePath.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <optional>
#include <system_error>

namespace {

constexpr std::array kReportedCreateErrors = {ENOENT, ENOTDIR, ENAMETOOLONG, EINVAL, ELOOP};

// Creates folder and its missing parents, from the nearest existing one down.
// 0 when folder is a folder afterwards, else the errno of the first failure.
int CreateFolderWithParents(const std::filesystem::path& folder)
{
    std::error_code error;
    std::filesystem::create_directory(folder, error);
    if (error != std::errc::no_such_file_or_directory)
        return error.value();
    const std::filesystem::path parent = folder.parent_path();
    if (parent.empty() || parent == folder)
        return error.value();
    if (const int parentError = CreateFolderWithParents(parent); parentError != 0)
        return parentError;
    std::filesystem::create_directory(folder, error);
    return error.value();
}

}  // namespace

std::string InstallLocation::SettingsFolderText() const
{
    if (!settingsFolder.empty())
        return settingsFolder.string();
    return windowsFolder + std::string(kSettingsSubfolder);
}

InstallLocation FindInstall(const WinePrefix& prefix, std::string_view keyPath)
{
    std::optional<std::string> windowsFolder = ReadGameDir(prefix, keyPath);
    if (!windowsFolder)
        return {};
    return InstallInPrefix(prefix, std::move(*windowsFolder), FolderCreation::Create);
}

InstallLocation InstallInPrefix(
    const WinePrefix& prefix, std::string windowsFolder, FolderCreation creation)
{
    InstallLocation install;
    install.found = true;
    install.windowsFolder = std::move(windowsFolder);
    std::optional<std::filesystem::path> folder = MapWindowsPath(prefix, install.windowsFolder);
    if (!folder) {
        install.createError = ENOENT;
        return install;
    }
    install.folder = std::move(*folder);
    PlaceSettingsFolder(install, creation);
    return install;
}

InstallLocation InstallInFolder(const std::filesystem::path& folder, FolderCreation creation)
{
    InstallLocation install;
    install.found = true;
    install.folder = folder;
    PlaceSettingsFolder(install, creation);
    return install;
}

void PlaceSettingsFolder(InstallLocation& install, FolderCreation creation)
{
    install.settingsFolder = FollowPathIgnoringCase(install.folder, kSettingsSubfolder);
    if (creation == FolderCreation::Create)
        install.createError = CreateFolderWithParents(install.settingsFolder);
    // Matched after the creation, so that an existing file of any spelling is found.
    install.publishPath = FollowPathIgnoringCase(install.settingsFolder, kPublishFileName);
}

bool IsReportedCreateError(int errorCode)
{
    return std::find(kReportedCreateErrors.begin(), kReportedCreateErrors.end(), errorCode)
        != kReportedCreateErrors.end();
}
