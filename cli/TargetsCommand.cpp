#include "cli/TargetsCommand.h"

#include "cli/JsonWriter.h"
#include "cli/ServerTargets.h"
#include "session/InstallChoices.h"
#include "session/Messages.h"
#include "session/PublishTargets.h"
#include "text/Formatted.h"
#include "text/Translated.h"

#include <optional>
#include <vector>

namespace {

// The installs of both products, or none with --cwd-only.
using FoundInstalls = std::optional<InstallsFound>;

// What the publish path of the install holds, by the journal.
DestinationHolding HoldingOf(const FoundInstall& install)
{
    const std::filesystem::path& path = install.location.publishPath;
    return LocalHolding({path, path.string(), {}, std::nullopt, path.string(), {}});
}

// The lines after the first under the first's text, as the rest of the listing.
std::string Indented(std::string text, std::string_view indent)
{
    for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 1))
        text.insert(at + 1, indent);
    return text;
}

void WriteServersText(const std::vector<ServerTarget>& servers, Console& console)
{
    if (servers.empty())
        return;
    console.out << Translated("Servers:") << '\n';
    for (const ServerTarget& target : servers) {
        console.out << "  " << target.server.name << ": " << target.server.url
                    << (target.server.use == ServerUse::PublishedTo
                               ? ""
                               : Translated(" (left out of server)"))
                    << '\n';
        if (!target.problem.empty()) {
            console.out << "    " << target.problem << '\n';
            continue;
        }
        // A check that failed says why the file could not be read.
        const bool toldByTheCheck = target.check && !target.check->IsDone()
            && target.holding.state == DestinationHolding::State::NotKnown;
        if (!toldByTheCheck)
            console.out << "  " << Translated("  holds: ") << target.holding.Text() << '\n';
        if (target.check)
            console.out << "    " << Translated("check: ")
                        << Indented(Messages::CheckText(*target.check), "      ") << '\n';
    }
}

// "Server: " and the like, with the language's own spacing before the colon.
std::string Caption(std::string_view caption)
{
    // TRANSLATORS: a target's name before what it names, as in "Server: /srv/...".
    return Formatted(Translated("%s: "), {std::string(caption)});
}

void WriteText(const FoundInstalls& found, const std::string& settingsPath,
    const PublishDestination& workingFolder, const std::vector<ServerTarget>& servers,
    Console& console)
{
    console.out << Translated("Settings file: ") << settingsPath << '\n';
    for (const InstallKind& kind : installKinds) {
        console.out << Caption(kind.caption);
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
    WriteServersText(servers, console);
    console.out << Caption("CWD") << workingFolder.text << '\n'
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

void WriteCheckJson(JsonWriter& json, const std::optional<TransportResult>& check)
{
    json.Key("check");
    if (!check) {
        json.Null();
        return;
    }
    json.BeginObject();
    json.Key("result");
    json.String(CheckWord(*check));
    StringOrNull(json, "reason", Messages::CheckReason(*check));
    json.EndObject();
}

void WriteServersJson(JsonWriter& json, const std::vector<ServerTarget>& servers)
{
    json.Key("servers");
    json.BeginArray();
    for (const ServerTarget& target : servers) {
        json.BeginObject();
        StringOrNull(json, "name", target.server.name);
        StringOrNull(json, "url", target.server.url);
        json.Key("publish");
        json.Bool(target.server.use == ServerUse::PublishedTo);
        WriteHoldingJson(json, "holds", target.problem.empty() ? &target.holding : nullptr);
        StringOrNull(json, "problem", target.problem);
        WriteCheckJson(json, target.check);
        json.EndObject();
    }
    json.EndArray();
}

void WriteJson(const FoundInstalls& found, const std::string& settingsPath,
    const PublishDestination& workingFolder, const std::vector<ServerTarget>& servers,
    Console& console)
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
    WriteServersJson(json, servers);
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
    const std::vector<ServerTarget> servers = found
        ? LookAtServers(invocation.Has("--check") ? ServerCheck::Connect : ServerCheck::None)
        : std::vector<ServerTarget>{};
    if (invocation.Has("--json"))
        WriteJson(found, settingsPath, workingFolder, servers, console);
    else
        WriteText(found, settingsPath, workingFolder, servers, console);
    return AllReachable(servers) ? ExitStatus::Success : ExitStatus::Failed;
}
