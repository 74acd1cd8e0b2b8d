#include "cli/TargetsCommand.h"

#include "installs/InstallFinder.h"
#include "installs/WinePath.h"
#include "session/InstallLookup.h"

#include <system_error>

namespace {

std::string FolderState(const std::filesystem::path& folder)
{
    std::error_code error;
    if (std::filesystem::is_directory(folder, error))
        return "exists";
    if (std::filesystem::exists(folder, error))
        return "not a folder: publishing there fails";
    return "missing: publishing creates it";
}

// A Windows path of the prefix as the host sees it, or why it has no host path.
std::string HostPathText(const WinePrefix& prefix, const std::string& windowsPath)
{
    const std::optional<std::filesystem::path> path = MapWindowsPath(prefix, windowsPath);
    if (!path)
        return windowsPath + " (its drive has no folder in the Wine prefix)";
    return path->string();
}

void WriteInstall(const WinePrefix& prefix, const InstallKind& install, Console& console)
{
    const InstallLookup lookup = LookUpInstall(prefix, install.keyPath);
    if (!lookup.folder) {
        console.out << install.caption << ": not found: " << lookup.reason << '\n';
        return;
    }
    const std::string settingsFolder = *lookup.folder + std::string(kSettingsSubfolder);
    console.out << install.caption << ": " << *lookup.folder << '\n';
    console.out << "  settings folder: " << HostPathText(prefix, settingsFolder);
    if (const std::optional<std::filesystem::path> host = MapWindowsPath(prefix, settingsFolder))
        console.out << " (" << FolderState(*host) << ')';
    console.out << "\n  publish path: "
                << HostPathText(prefix, settingsFolder + '\\' + std::string(kPublishFileName))
                << '\n';
}

}  // namespace

ExitStatus RunTargets(const Invocation& invocation, Console& console)
{
    const bool workingFolderOnly = invocation.Has("--cwd-only");
    const WinePrefix prefix = WinePrefix::FromEnvironment();
    if (!workingFolderOnly)
        console.out << "Wine prefix: " << prefix.folder().string() << '\n';
    for (const InstallKind& install : installKinds) {
        if (workingFolderOnly)
            console.out << install.caption << ": not used with --cwd-only\n";
        else
            WriteInstall(prefix, install, console);
    }
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::current_path(error);
    if (error) {
        console.err << "Cannot read the path of the current folder: " << error.message() << '\n';
        return ExitStatus::Failed;
    }
    console.out << "CWD: " << (folder / kPublishFileName).string() << '\n';
    return ExitStatus::Success;
}
