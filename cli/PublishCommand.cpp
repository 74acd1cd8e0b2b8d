#include "cli/PublishCommand.h"

#include "cli/ProfileName.h"
#include "cli/TerminalSession.h"
#include "installs/InstallFinder.h"
#include "profile/AtomicFile.h"
#include "session/Messages.h"
#include "session/PublishTargets.h"

#include <cerrno>
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

// Keeps the file that publishing is about to replace beside it; 0 when there
// is none or it was kept, else the errno.
int BackUpFile(const std::filesystem::path& path)
{
    std::error_code error;
    if (!std::filesystem::exists(path, error))
        return 0;
    std::string bytes;
    if (const int readError = ReadFileBytes(path, bytes))
        return readError;
    std::filesystem::path backup = path;
    backup += kBackupExtension;
    return WriteFileAtomically(backup, bytes);
}

bool PublishTo(EditingSession& session, const PublishDestination& destination, Backup backup,
    Console& console)
{
    const int backupError = backup == Backup::KeepReplacedFile && !destination.path.empty()
        ? BackUpFile(destination.path)
        : 0;
    if (backupError != 0) {
        console.err << "Could not keep a copy of:\n"
                    << destination.text << "\nError: " << backupError << '\n';
        return false;
    }
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
    if (!terminal.session.Open(name))
        return ExitStatus::Failed;
    // Like the window, a failure for one destination does not stop the next.
    bool allPublished = true;
    for (const PublishDestination& destination : *destinations)
        allPublished
            = PublishTo(terminal.session, destination, options->backup, console) && allPublished;
    return allPublished ? ExitStatus::Success : ExitStatus::Failed;
}
