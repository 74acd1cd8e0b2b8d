#include "cli/TargetsCommand.h"

#include "cli/JsonWriter.h"
#include "session/AtOnce.h"
#include "session/DestinationHolding.h"
#include "session/InstallChoices.h"
#include "session/Messages.h"
#include "session/PublishTargets.h"
#include "session/ServerSettings.h"
#include "session/SessionDestination.h"
#include "session/TransportEnvironment.h"
#include "text/Translated.h"

#include <array>
#include <optional>

namespace {

enum class ServerCheck { Connect, None };

// The installs of both products, or none with --cwd-only.
using FoundInstalls = std::optional<InstallsFound>;

// What the publish path of the install holds, by the journal.
DestinationHolding HoldingOf(const FoundInstall& install)
{
    const std::filesystem::path& path = install.location.publishPath;
    return LocalHolding({path, path.string(), {}, std::nullopt, path.string(), {}});
}

// The named servers, each with its location, what it holds and, when
// asked, what a check found; every server looked at all at once.
void WriteServers(ServerCheck check, Console& console)
{
    const std::vector<ServerEntry> servers
        = ReadServers(SettingsFile::PathFor(UserEnvironment::FromProcess()));
    if (servers.empty())
        return;
    std::vector<PublishDestination> destinations;
    for (const ServerEntry& server : servers)
        destinations.push_back(DestinationOf(server).destination.value_or(PublishDestination{}));
    const TransportOptions options = TransportOptionsOfProcess();
    const std::vector<DestinationHolding> holdings = Holdings(destinations, options);
    std::vector<TransportResult> checks(destinations.size());
    if (check == ServerCheck::Connect)
        RunAtOnce(destinations.size(), [&](std::size_t index) {
            checks[index] = OpenDestination(destinations[index], options)->Check({});
        });
    console.out << "Servers:\n";
    for (std::size_t index = 0; index < servers.size(); ++index) {
        const ServerEntry& server = servers[index];
        console.out << "  " << server.name << ": " << server.url
                    << (server.use == ServerUse::PublishedTo ? "" : " (left out of server)")
                    << '\n';
        if (const std::string problem = DestinationOf(server).problem; !problem.empty()) {
            console.out << "    " << problem << '\n';
            continue;
        }
        console.out << "    holds: " << holdings[index].Text() << '\n';
        if (check == ServerCheck::Connect)
            console.out << "    check: " << Messages::CheckText(checks[index]) << '\n';
    }
}

void WriteText(const FoundInstalls& found, const std::string& settingsPath,
    const PublishDestination& workingFolder, ServerCheck check, Console& console)
{
    console.out << Translated("Settings file: ") << settingsPath << '\n';
    for (const InstallKind& kind : installKinds) {
        console.out << kind.caption << ": ";
        if (!found) {
            console.out << Messages::kWorkingFolderOnly << '\n';
            continue;
        }
        const ProductInstalls& installs = found->Of(kind.product);
        console.out << (installs.InUse() ? "" : Translated("not found: "))
                    << installs.PublishPathOrReason() << '\n';
        if (installs.InUse())
            console.out << Translated("  holds: ") << HoldingOf(*installs.InUse()).Text() << '\n';
        for (const FoundInstall& install : installs.found)
            console.out << (&install == installs.InUse() ? "  * " : "    ")
                        << InstallEntryText(install) << '\n';
    }
    if (found)
        WriteServers(check, console);
    console.out << "CWD: " << workingFolder.text << '\n'
                << Translated("  holds: ") << LocalHolding(workingFolder).Text() << '\n';
    if (found) {
        for (const SkippedFile& skipped : found->skippedFiles)
            console.out << Translated("Skipped: ") << skipped.Text() << '\n';
    }
}

void StringOrNull(JsonWriter& json, std::string_view key, const std::string& text)
{
    json.Key(key);
    if (text.empty())
        json.Null();
    else
        json.String(text);
}

void WriteInstallJson(JsonWriter& json, const FoundInstall& install, bool inUse)
{
    json.BeginObject();
    json.Key("source");
    json.String(SourceName(install.source));
    StringOrNull(json, "prefix", install.prefixFolder.string());
    StringOrNull(json, "folder", install.location.folder.string());
    StringOrNull(json, "windowsFolder", install.location.windowsFolder);
    json.Key("inUse");
    json.Bool(inUse);
    StringOrNull(json, "problem", install.ProblemText());
    json.EndObject();
}

void WriteHoldingJson(JsonWriter& json, std::string_view key, const DestinationHolding* holding)
{
    json.Key(key);
    if (holding == nullptr) {
        json.Null();
        return;
    }
    json.BeginObject();
    json.Key("state");
    json.String(holding->StateName());
    StringOrNull(json, "profile", holding->profile);
    StringOrNull(json, "published", holding->time ? UtcTimeText(holding->time) : "");
    json.Key("text");
    json.String(holding->Text());
    json.EndObject();
}

void WriteJson(const FoundInstalls& found, const std::string& settingsPath,
    const PublishDestination& workingFolder, Console& console)
{
    JsonWriter json(console.out);
    json.BeginObject();
    StringOrNull(json, "settingsFile", settingsPath);
    for (const InstallKind& kind : installKinds) {
        json.Key(kind.name);
        json.BeginObject();
        const ProductInstalls* installs = found ? &found->Of(kind.product) : nullptr;
        const FoundInstall* inUse = installs ? installs->InUse() : nullptr;
        StringOrNull(json, "publishPath", inUse ? inUse->location.publishPath.string() : "");
        const std::optional<DestinationHolding> holding
            = inUse ? std::optional(HoldingOf(*inUse)) : std::nullopt;
        WriteHoldingJson(json, "holds", holding ? &*holding : nullptr);
        StringOrNull(json, "problem",
            installs ? DescribeProblem(installs->problem, installs->problemDetail)
                     : std::string(Messages::kWorkingFolderOnly));
        json.Key("installs");
        json.BeginArray();
        if (installs != nullptr) {
            for (const FoundInstall& install : installs->found)
                WriteInstallJson(json, install, &install == inUse);
        }
        json.EndArray();
        json.EndObject();
    }
    StringOrNull(json, "cwd", workingFolder.text);
    const DestinationHolding cwdHolding = LocalHolding(workingFolder);
    WriteHoldingJson(json, "cwdHolds", &cwdHolding);
    json.Key("skippedFiles");
    json.BeginArray();
    if (found) {
        for (const SkippedFile& skipped : found->skippedFiles) {
            json.BeginObject();
            StringOrNull(json, "path", skipped.path.string());
            StringOrNull(json, "problem", skipped.Text());
            json.EndObject();
        }
    }
    json.EndArray();
    json.EndObject();
}

}  // namespace

ExitStatus RunTargets(const Invocation& invocation, Console& console)
{
    InstallChoices choices(SearchOfProcess(invocation.onlyPrefix));
    FoundInstalls found;
    if (!invocation.Has("--cwd-only"))
        found = choices.Find();
    const PublishDestination workingFolder = WorkingFolderDestination();
    if (workingFolder.path.empty()) {
        std::error_code error;
        const std::filesystem::path unread = std::filesystem::current_path(error);
        console.Error(Translated("Cannot read the path of the current folder: ") + error.message());
        return ExitStatus::Failed;
    }
    const std::string settingsPath = choices.SettingsPath().string();
    for (const std::string& warning : PublishJournal().Read().warnings)
        console.err << "quavel-cli: " << warning << '\n';
    if (invocation.Has("--json"))
        WriteJson(found, settingsPath, workingFolder, console);
    else
        WriteText(found, settingsPath, workingFolder,
            invocation.Has("--check") ? ServerCheck::Connect : ServerCheck::None, console);
    return ExitStatus::Success;
}
