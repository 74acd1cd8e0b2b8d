#include "cli/PublishCommand.h"

#include "cli/ProfileName.h"
#include "cli/TerminalSession.h"
#include "installs/InstallFinder.h"
#include "session/DestinationHolding.h"
#include "session/InstallChoices.h"
#include "session/Messages.h"
#include "session/PublishTargets.h"
#include "session/Suggestion.h"
#include "text/Formatted.h"
#include "text/Translated.h"

#include <system_error>
#include <vector>

namespace {

struct PublishOptions {
    const PublishTargetEntry* target = nullptr;   // none with --to-dir
    std::optional<std::filesystem::path> folder;  // --to-dir
    Backup backup = Backup::None;
};

// The options, or none after a usage message.
std::optional<PublishOptions> ReadOptions(const Invocation& invocation, Console& console)
{
    PublishOptions options{nullptr, invocation.Value("--to-dir"),
        invocation.Has("--backup") ? Backup::KeepReplacedFile : Backup::None};
    const std::optional<std::string> targetName = invocation.Value("--to");
    if (targetName && options.folder) {
        console.Error(Translated("--to and --to-dir cannot be used together."));
        return std::nullopt;
    }
    if (!targetName && !options.folder) {
        console.Error(Translated("publish needs either --to TARGET or --to-dir DIR."));
        return std::nullopt;
    }
    if (targetName) {
        options.target = FindPublishTarget(*targetName);
        if (options.target == nullptr) {
            console.Error(Formatted(Translated("Unknown target \"%s\"."), {*targetName})
                + DidYouMean(*targetName, PublishTargetNameList())
                + Formatted(Translated(" Valid targets: %s."), {PublishTargetNames()}));
            return std::nullopt;
        }
    }
    if (invocation.Has("--cwd-only") && (!options.target || !options.target->installs.empty())) {
        console.Error(Translated("With --cwd-only the only target is cwd."));
        return std::nullopt;
    }
    return options;
}

// The destinations of the installs, each install looked up before any folder
// is created, as the window does; none after a message when one has none in
// use. A creation that fails is told, and publishing there then fails with
// its own message.
std::optional<std::vector<PublishDestination>> PrepareInstallDestinations(
    const Invocation& invocation, const PublishTargetEntry& target, Console& console)
{
    InstallChoices choices(SearchOfProcess(invocation.onlyPrefix));
    const InstallsFound& found = choices.Find();
    for (const InstallKind& install : target.installs) {
        const ProductInstalls& installs = found.Of(install.product);
        if (installs.InUse() == nullptr) {
            console.Error(Formatted(Translated("%s install not found: %s."),
                {install.caption, DescribeProblem(installs.problem, installs.problemDetail)}));
            return std::nullopt;
        }
    }
    ConsoleDialogs dialogs(console);
    std::vector<PublishDestination> destinations;
    for (const InstallKind& install : target.installs)
        destinations.push_back(PrepareInstallDestination(
            install, *found.Of(install.product).InUse(), FolderCreation::Create, dialogs));
    return destinations;
}

std::optional<PublishDestination> FolderDestination(
    const std::filesystem::path& folder, Console& console)
{
    std::error_code error;
    const std::filesystem::path path = std::filesystem::absolute(folder / kPublishFileName, error);
    if (error) {
        console.Error(Translated("Cannot read the path of the current folder: ") + error.message());
        return std::nullopt;
    }
    return PublishDestination{path, path.string(), path.parent_path().string()};
}

// The destinations of the options, the installs' settings folders created;
// none after a message.
std::optional<std::vector<PublishDestination>> PrepareDestinations(
    const Invocation& invocation, const PublishOptions& options, Console& console)
{
    if (options.target && !options.target->installs.empty())
        return PrepareInstallDestinations(invocation, *options.target, console);
    std::optional<PublishDestination> destination
        = FolderDestination(options.folder.value_or(std::filesystem::path()), console);
    if (!destination)
        return std::nullopt;
    return std::vector<PublishDestination>{std::move(*destination)};
}

bool PublishTo(
    EditingSession& session, const PublishDestination& destination, Backup backup, Console& console)
{
    const PublishOutcome outcome = session.PublishTo(destination, backup);
    if (outcome.backupError != 0) {
        console.Error(Messages::BackupFailed(destination.text, outcome.backupError));
        return false;
    }
    if (!outcome.backup.empty())
        console.out << Translated("Kept a copy: ") << outcome.backup.string() << '\n';
    if (outcome.error != 0) {
        console.Error(Messages::PublishingFailed(destination.text, outcome.error));
        return false;
    }
    console.out << Translated("Published to: ") << destination.text << '\n';
    if (outcome.journalError != 0)
        console.err << "quavel-cli: could not record the publish in "
                    << PublishJournal().file().string() << ": "
                    << std::generic_category().message(outcome.journalError) << '\n';
    return true;
}

// Without --force, a destination that someone changed since it was last
// published from here is not replaced; false after saying which, before
// anything is written.
bool MayReplace(const std::vector<PublishDestination>& destinations, bool force, Console& console)
{
    if (force)
        return true;
    for (const std::string& warning : PublishJournal().Read().warnings)
        console.err << "quavel-cli: " << warning << '\n';
    bool mayReplace = true;
    for (const PublishDestination& destination : destinations) {
        if (LocalHolding(destination).state != DestinationHolding::State::ChangedThere)
            continue;
        console.err << "quavel-cli: " << Messages::ChangedSincePublished(destination.place)
                    << Translated(" --force replaces it.") << '\n';
        mayReplace = false;
    }
    return mayReplace;
}

}  // namespace

ExitStatus RunPublish(const Invocation& invocation, Console& console)
{
    const std::string& name = invocation.arguments.front();
    const std::optional<PublishOptions> options = ReadOptions(invocation, console);
    if (!options || !CheckProfileName(name, console))
        return ExitStatus::UsageError;
    const std::optional<std::vector<PublishDestination>> destinations
        = PrepareDestinations(invocation, *options, console);
    if (!destinations || !MayReplace(*destinations, invocation.Has("--force"), console))
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
