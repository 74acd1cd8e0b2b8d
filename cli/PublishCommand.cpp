#include "cli/PublishCommand.h"

#include "cli/ProfileName.h"
#include "cli/ServerOperand.h"
#include "cli/TerminalSession.h"
#include "installs/InstallFinder.h"
#include "session/PublishJournal.h"
#include "session/InstallChoices.h"
#include "session/Messages.h"
#include "session/PublishTargets.h"
#include "session/Suggestion.h"
#include "text/Formatted.h"
#include "text/Translated.h"

#include <algorithm>
#include <array>
#include <system_error>
#include <vector>

namespace {

struct PublishOptions {
    const PublishTargetEntry* target = nullptr;   // none with --to-dir, --to-url or server:NAME
    std::optional<std::filesystem::path> folder;  // --to-dir
    std::optional<PublishDestination> server;     // --to server:NAME or --to-url
    Backup backup = Backup::None;
};

constexpr std::array<std::string_view, 3> kWhereOptions = {"--to", "--to-dir", "--to-url"};

// The server of --to server:NAME or --to-url, when given; false after a message.
bool ReadServer(const Invocation& invocation, PublishOptions& options, Console& console)
{
    const std::optional<std::string> targetName = invocation.Value("--to");
    if (targetName && targetName->starts_with(kServerPrefix)) {
        options.server = NamedServer(targetName->substr(kServerPrefix.size()), console);
        return options.server.has_value();
    }
    if (const std::optional<std::string> url = invocation.Value("--to-url")) {
        options.server = GivenLocation(*url, console);
        return options.server.has_value();
    }
    return true;
}

// The options, or none after a usage message.
std::optional<PublishOptions> ReadOptions(const Invocation& invocation, Console& console)
{
    PublishOptions options{nullptr, invocation.Value("--to-dir"), std::nullopt,
        invocation.Has("--backup") ? Backup::KeepReplacedFile : Backup::None};
    const std::optional<std::string> targetName = invocation.Value("--to");
    const auto given = std::ranges::count_if(
        kWhereOptions, [&](std::string_view option) { return invocation.Has(option); });
    if (given > 1) {
        console.Error(Translated("Only one of --to, --to-dir and --to-url can be used."));
        return std::nullopt;
    }
    if (given == 0) {
        console.Error(
            Translated("publish needs either --to TARGET, --to-dir DIR or --to-url URL."));
        return std::nullopt;
    }
    if (!ReadServer(invocation, options, console))
        return std::nullopt;
    if (targetName && !options.server) {
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
    const std::vector<PublishDestination> servers = ChosenServers();
    for (const InstallKind& install : target.installs) {
        const ProductInstalls& installs = found.Of(install.product);
        const bool serversInstead = install.product == Product::Server && !servers.empty();
        if (installs.InUse() == nullptr && !serversInstead) {
            console.Error(Formatted(Translated("%s install not found: %s."),
                {install.caption, DescribeProblem(installs.problem, installs.problemDetail)}));
            return std::nullopt;
        }
    }
    ConsoleDialogs dialogs(console);
    std::vector<PublishDestination> destinations;
    for (const InstallKind& install : target.installs) {
        if (const FoundInstall* inUse = found.Of(install.product).InUse())
            destinations.push_back(
                PrepareInstallDestination(install, *inUse, FolderCreation::Create, dialogs));
        if (install.product == Product::Server)
            destinations.insert(destinations.end(), servers.begin(), servers.end());
    }
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
    return PublishDestination{
        path, path.string(), path.parent_path().string(), std::nullopt, path.string(), {}};
}

// The destinations of the options, the installs' settings folders created;
// none after a message.
std::optional<std::vector<PublishDestination>> PrepareDestinations(
    const Invocation& invocation, const PublishOptions& options, Console& console)
{
    if (options.server)
        return std::vector<PublishDestination>{*options.server};
    if (options.target && !options.target->installs.empty())
        return PrepareInstallDestinations(invocation, *options.target, console);
    std::optional<PublishDestination> destination
        = FolderDestination(options.folder.value_or(std::filesystem::path()), console);
    if (!destination)
        return std::nullopt;
    return std::vector<PublishDestination>{std::move(*destination)};
}

// One line for what happened at the destination; false when it failed.
bool Report(const PublishDestination& destination, const TransportResult& result, Console& console)
{
    if (!result.warning.empty())
        console.Error(destination.text + ": " + result.warning);
    if (!result.keptCopy.empty())
        console.out << Translated("Kept a copy: ") << result.keptCopy << '\n';
    if (result.outcome == Outcome::NotReplaced) {
        console.Error(result.reason + Translated(" --force replaces it."));
        return false;
    }
    if (!result.IsDone()) {
        console.Error(Messages::PublishingFailed(destination.text, result));
        return false;
    }
    console.out << Translated("Published to: ") << destination.text << '\n';
    return true;
}

// With --force a file someone changed since it was last published from here
// is replaced; without, it is kept, as the journal tells, whose unreadable
// lines are told first.
void ChooseChangedFiles(std::vector<PublishDestination>& destinations, bool force, Console& console)
{
    for (PublishDestination& destination : destinations)
        destination.replaceChangedFile = force;
    if (force)
        return;
    for (const std::string& warning : PublishJournal().Read().warnings)
        console.err << "quavel-cli: " << warning << '\n';
}

}  // namespace

ExitStatus RunPublish(const Invocation& invocation, Console& console)
{
    const std::string& name = invocation.arguments.front();
    const std::optional<PublishOptions> options = ReadOptions(invocation, console);
    if (!options || !CheckProfileName(name, console))
        return ExitStatus::UsageError;
    std::optional<std::vector<PublishDestination>> destinations
        = PrepareDestinations(invocation, *options, console);
    if (!destinations)
        return ExitStatus::Failed;
    ChooseChangedFiles(*destinations, invocation.Has("--force"), console);
    TerminalSession terminal(console);
    // The profile's own file is saved first and told against itself when that fails.
    if (terminal.session.LockFolder() != 0 || !terminal.session.Open(name)
        || !terminal.session.Save())
        return ExitStatus::Failed;
    // Like the window, a failure for one destination does not stop the others.
    const std::vector<TransportResult> results
        = terminal.session.PublishTo(*destinations, options->backup);
    bool allPublished = true;
    for (std::size_t index = 0; index < results.size(); ++index)
        allPublished = Report((*destinations)[index], results[index], console) && allPublished;
    return allPublished ? ExitStatus::Success : ExitStatus::Failed;
}
