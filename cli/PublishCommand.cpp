#include "cli/PublishCommand.h"

#include "cli/ProfileName.h"
#include "cli/TerminalSession.h"
#include "installs/InstallFinder.h"
#include "profile/AtomicFile.h"
#include "session/Messages.h"
#include "session/PublishTargets.h"

#include <sys/stat.h>
#include <time.h>

#include <array>
#include <cerrno>
#include <ctime>
#include <system_error>
#include <vector>

namespace {

constexpr std::string_view kBackupExtension = ".bak";

enum class Backup { None, KeepReplacedFile };

struct PublishOptions {
    const PublishTargetEntry* target = nullptr;
    Backup backup = Backup::None;
};

// The options, or none after a usage message.
std::optional<PublishOptions> ReadOptions(const Invocation& invocation, Console& console)
{
    const std::string targetName = invocation.Value("--to").value_or("");
    PublishOptions options{FindPublishTarget(targetName),
        invocation.Has("--backup") ? Backup::KeepReplacedFile : Backup::None};
    if (options.target == nullptr) {
        console.err << "Unknown target \"" << targetName
                    << "\". Valid targets: " << PublishTargetNames() << ".\n";
        return std::nullopt;
    }
    if (invocation.Has("--cwd-only") && !options.target->installs.empty()) {
        console.err << "With --cwd-only the only target is cwd.\n";
        return std::nullopt;
    }
    return options;
}

// Every install is looked up before any folder is created, as the window does.
bool AllInstallsFound(
    const WinePrefix& prefix, const PublishTargetEntry& target, Console& console)
{
    for (const InstallKind& install : target.installs) {
        const InstallLookup lookup = LookUpInstall(prefix, install.keyPath);
        if (!lookup.folder) {
            console.err << install.caption << " install not found: " << lookup.reason << ".\n";
            return false;
        }
    }
    return true;
}

// Creates the settings folders; a failure the window reports is reported, and
// publishing there then fails with its own message.
std::vector<PublishDestination> PrepareInstallDestinations(
    const WinePrefix& prefix, const PublishTargetEntry& target, Console& console)
{
    ConsoleDialogs dialogs(console);
    std::vector<PublishDestination> destinations;
    for (const InstallKind& install : target.installs)
        destinations.push_back(PrepareInstallDestination(prefix, install, dialogs).value_or(PublishDestination{}));
    return destinations;
}

std::optional<PublishDestination> CurrentFolderDestination(Console& console)
{
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::current_path(error);
    if (error) {
        console.err << "Cannot read the path of the current folder: " << error.message() << '\n';
        return std::nullopt;
    }
    const std::filesystem::path path = folder / kPublishFileName;
    return PublishDestination{path, path.string()};
}

// The destinations of the target, its settings folders created; none after a
// message when an install was not found.
std::optional<std::vector<PublishDestination>> PrepareDestinations(
    const PublishTargetEntry& target, Console& console)
{
    if (target.installs.empty()) {
        std::optional<PublishDestination> destination = CurrentFolderDestination(console);
        if (!destination)
            return std::nullopt;
        return std::vector<PublishDestination>{std::move(*destination)};
    }
    const WinePrefix prefix = WinePrefix::FromEnvironment();
    if (!AllInstallsFound(prefix, target, console))
        return std::nullopt;
    return PrepareInstallDestinations(prefix, target, console);
}

// CustomCombat.wst.20250102-030405.bak beside the file, at the local time;
// attempt 1 and on add "-1", "-2"... to a name that another backup holds.
std::filesystem::path BackupName(const std::filesystem::path& path, int attempt)
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    std::array<char, 32> stamp{};
    std::strftime(stamp.data(), stamp.size(), "%Y%m%d-%H%M%S", &local);
    std::filesystem::path backup = path;
    backup += '.' + std::string(stamp.data());
    if (attempt > 0)
        backup += '-' + std::to_string(attempt);
    backup += kBackupExtension;
    return backup;
}

// Keeps the file that publishing is about to replace beside it, created whole
// under a name of its own, with the file's owner, group and mode. 0 with the
// backup's name in kept (empty when there was no file), else the errno.
int BackUpFile(const std::filesystem::path& path, std::filesystem::path& kept)
{
    struct stat status { };
    if (::stat(path.c_str(), &status) != 0)
        return errno == ENOENT ? 0 : errno;
    std::string bytes;
    if (const int readError = ReadFileBytes(path, bytes))
        return readError;
    for (int attempt = 0;; ++attempt) {
        kept = BackupName(path, attempt);
        const int error = WriteNewFile(kept, bytes, &status);
        if (error != EEXIST)
            return error;
    }
}

bool PublishTo(EditingSession& session, const PublishDestination& destination, Backup backup,
    Console& console)
{
    std::filesystem::path kept;
    const int backupError = backup == Backup::KeepReplacedFile && !destination.path.empty()
        ? BackUpFile(destination.path, kept)
        : 0;
    if (backupError != 0) {
        console.err << "Could not keep a copy of:\n"
                    << destination.text << "\nError: " << backupError << '\n';
        return false;
    }
    if (!kept.empty())
        console.out << "Kept a copy: " << kept.string() << '\n';
    if (const int error = session.PublishTo(destination)) {
        console.err << Messages::ErrorPublishingTo(destination.text, error) << '\n';
        return false;
    }
    console.out << "Published to: " << destination.text << '\n';
    return true;
}

}  // namespace

ExitStatus RunPublish(const Invocation& invocation, Console& console)
{
    const std::string& name = invocation.arguments.front();
    const std::optional<PublishOptions> options = ReadOptions(invocation, console);
    if (!options || !CheckProfileName(name, console))
        return ExitStatus::UsageError;
    const std::optional<std::vector<PublishDestination>> destinations
        = PrepareDestinations(*options->target, console);
    if (!destinations)
        return ExitStatus::Failed;
    TerminalSession terminal(console);
    // The profile's own file is saved first and told against itself when that fails.
    if (terminal.session.LockFolder() != 0 || !terminal.session.Open(name)
        || !terminal.session.Save())
        return ExitStatus::Failed;
    // Like the window, a failure for one destination does not stop the next.
    bool allPublished = true;
    for (const PublishDestination& destination : *destinations)
        allPublished
            = PublishTo(terminal.session, destination, options->backup, console) && allPublished;
    return allPublished ? ExitStatus::Success : ExitStatus::Failed;
}
