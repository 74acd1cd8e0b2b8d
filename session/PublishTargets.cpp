#include "session/PublishTargets.h"

#include "installs/InstallFinder.h"
#include "profile/AtomicFile.h"
#include "profile/ProfileStore.h"
#include "session/Dialogs.h"
#include "session/PublishJournal.h"
#include "session/SessionDestination.h"

#include <algorithm>
#include <cerrno>
#include <optional>
#include <system_error>

namespace {

constexpr TranslatedText kWorkingFolderPlace = TranslatedText("the working folder");

std::size_t IndexOf(const InstallKind& install)
{
    return static_cast<std::size_t>(&install - installKinds.data());
}

// One line of a target's description: the destination, or why there is none.
struct DescribedDestination {
    std::string label;
    std::string text;
};

std::string Joined(const std::vector<DescribedDestination>& lines)
{
    std::string text;
    for (const DescribedDestination& line : lines) {
        text += text.empty() ? "" : "\n";
        if (lines.size() > 1)
            text += line.label + ": ";
        text += line.text;
    }
    return text;
}

}  // namespace

PublishDestination WorkingFolderDestination()
{
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::current_path(error);
    if (error)
        return {{}, std::string(kPublishFileName), std::string(kWorkingFolderPlace), std::nullopt,
            std::string(kPublishFileName), {}};
    const std::filesystem::path path = folder / kPublishFileName;
    return {path, path.string(), std::string(kWorkingFolderPlace), std::nullopt, path.string(), {}};
}

PublishDestination PrepareInstallDestination(
    const InstallKind& kind, const FoundInstall& install, FolderCreation creation, Dialogs& dialogs)
{
    InstallLocation location = install.location;
    PlaceSettingsFolder(location, creation);
    if (IsReportedCreateError(location.createError))
        dialogs.ShowApplicationMessage(
            Messages::CouldNotCreateDirectory(location.SettingsFolderText()), MessageButtons::Ok);
    return {location.publishPath, location.publishPath.string(), std::string(kind.place),
        std::nullopt, std::string(kind.caption), {}};
}

ServerDestination DestinationOf(const ServerEntry& server)
{
    LocationParse parse = ParseLocation(server.url);
    if (!parse.location)
        return {std::nullopt, parse.error};
    if (!server.pin.empty()) {
        if (std::string problem = CheckPin(server.pin); !problem.empty())
            return {std::nullopt, std::move(problem)};
        parse.location->pin = server.pin;
    }
    PublishDestination destination = LocationDestination(*parse.location);
    destination.place = server.name + " (" + server.url + ")";
    destination.label = server.name;
    return {std::move(destination), {}};
}

PublishDestination LocationDestination(const Location& location)
{
    if (!location.IsRemote()) {
        const std::filesystem::path path = std::filesystem::path(location.path) / kPublishFileName;
        return {path, path.string(), location.text, std::nullopt, location.text, {}};
    }
    return {{}, location.text, location.text, location, location.text, {}};
}

std::vector<TransportResult> PublishToDestinations(ProfileStore& store, const Profile& profile,
    const std::vector<PublishDestination>& destinations, Backup backup,
    const TransportOptions& options, const PublishWatch& watch)
{
    std::string bytes;
    if (const int error = store.SavedBytes(profile, bytes))
        return std::vector<TransportResult>(
            destinations.size(), SystemFailure(Outcome::Failed, Messages::Reason(error), error));
    std::error_code ignored;
    const PublishedProfile published{profile.name,
        std::filesystem::absolute(store.ProfilePath(profile.name), ignored).lexically_normal(),
        store.workingFolder()};
    std::vector<std::unique_ptr<SessionDestination>> opened;
    std::vector<Destination*> pointers;
    for (const PublishDestination& destination : destinations) {
        opened.push_back(std::make_unique<SessionDestination>(destination, published, options));
        pointers.push_back(opened.back().get());
    }
    return PublishEverywhere(
        {bytes, backup, pointers, kMostConnections, watch.listener, watch.credentials, watch.stop});
}

PublishTargets PublishTargets::FromInstalls(
    const InstallsFound& installs, const std::vector<ServerEntry>& servers, Dialogs& dialogs)
{
    PublishTargets targets;
    targets.servers_ = servers;
    for (const InstallKind& kind : installKinds) {
        const ProductInstalls& found = installs.Of(kind.product);
        InstallTarget& target = targets.installs_[IndexOf(kind)];
        target.reason = DescribeProblem(found.problem, found.problemDetail);
        if (const FoundInstall* install = found.InUse())
            target.destination
                = PrepareInstallDestination(kind, *install, FolderCreation::Create, dialogs);
    }
    return targets;
}

std::vector<PublishDestination> ServersPublishedTo(const std::vector<ServerEntry>& servers)
{
    std::vector<PublishDestination> chosen;
    for (const ServerEntry& server : servers) {
        if (server.use != ServerUse::PublishedTo)
            continue;
        ServerDestination found = DestinationOf(server);
        chosen.push_back(found.destination.value_or(PublishDestination{
            {}, server.url, server.name, std::nullopt, server.name, found.problem}));
    }
    return chosen;
}

bool PublishTargets::IsAvailable(PublishTarget target) const
{
    return std::ranges::all_of(EntryOf(target).installs, [this](const InstallKind& install) {
        return installs_[IndexOf(install)].destination.has_value()
            || (install.product == Product::Server && !ServersPublishedTo(servers_).empty());
    });
}

PublishTarget PublishTargets::Preferred() const
{
    for (PublishTarget target : {PublishTarget::Server, PublishTarget::Game}) {
        if (IsAvailable(target))
            return target;
    }
    return PublishTarget::WorkingFolder;
}

std::vector<PublishDestination> PublishTargets::Destinations(PublishTarget target) const
{
    const PublishTargetEntry& entry = EntryOf(target);
    if (entry.installs.empty())
        return {WorkingFolderDestination()};
    std::vector<PublishDestination> destinations;
    for (const InstallKind& install : entry.installs) {
        const std::optional<PublishDestination>& local = installs_[IndexOf(install)].destination;
        if (install.product != Product::Server) {
            destinations.push_back(local.value_or(PublishDestination{}));
            continue;
        }
        const std::vector<PublishDestination> servers = ServersPublishedTo(servers_);
        if (local || servers.empty())
            destinations.push_back(local.value_or(PublishDestination{}));
        destinations.insert(destinations.end(), servers.begin(), servers.end());
    }
    return destinations;
}

std::string PublishTargets::Description(PublishTarget target) const
{
    const PublishTargetEntry& entry = EntryOf(target);
    if (entry.installs.empty())
        return WorkingFolderDestination().text;
    std::vector<DescribedDestination> lines;
    for (const InstallKind& install : entry.installs) {
        const InstallTarget& found = installs_[IndexOf(install)];
        const std::vector<PublishDestination> servers = install.product == Product::Server
            ? ServersPublishedTo(servers_)
            : std::vector<PublishDestination>();
        if (found.destination || servers.empty())
            lines.push_back({std::string(servers.empty() ? install.caption : kLocalInstallLabel),
                found.destination ? found.destination->text : found.reason});
        for (const PublishDestination& server : servers)
            lines.push_back({server.label, server.text});
    }
    return Joined(lines);
}
