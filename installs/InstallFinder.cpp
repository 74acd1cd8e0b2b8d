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
    InstallLocation install;
    std::optional<std::string> windowsFolder = ReadGameDir(prefix, keyPath);
    if (!windowsFolder)
        return install;
    install.found = true;
    install.windowsFolder = std::move(*windowsFolder);

    const std::string windowsSettingsFolder = install.SettingsFolderText();
    std::optional<std::filesystem::path> settingsFolder
        = MapWindowsPath(prefix, windowsSettingsFolder);
    if (!settingsFolder) {
        install.createError = ENOENT;
        return install;
    }
    install.settingsFolder = std::move(*settingsFolder);
    install.createError = CreateFolderWithParents(install.settingsFolder);
    // Mapped after the creation, so that an existing file of any spelling is found.
    install.publishPath
        = MapWindowsPath(prefix, windowsSettingsFolder + '\\' + std::string(kPublishFileName))
              .value_or(std::filesystem::path());
    return install;
}

bool IsReportedCreateError(int errorCode)
{
    return std::find(kReportedCreateErrors.begin(), kReportedCreateErrors.end(), errorCode)
        != kReportedCreateErrors.end();
}
