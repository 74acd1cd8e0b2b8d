#include "session/PublishTargets.h"

#include "installs/InstallFinder.h"
#include "profile/ProfileStore.h"
#include "session/Dialogs.h"
#include "session/Messages.h"

#include <algorithm>
#include <cerrno>
#include <system_error>

namespace {

std::size_t IndexOf(const InstallKind& install)
{
    return static_cast<std::size_t>(&install - installKinds.data());
}

}  // namespace

PublishDestination WorkingFolderDestination()
{
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::current_path(error);
    if (error)
        return {{}, std::string(kPublishFileName)};
    const std::filesystem::path path = folder / kPublishFileName;
    return {path, path.string()};
}

std::optional<PublishDestination> PrepareInstallDestination(
    const WinePrefix& prefix, const InstallKind& install, Dialogs& dialogs)
{
    const InstallLocation location = FindInstall(prefix, install.keyPath);
    if (!location.found)
        return std::nullopt;
    if (IsReportedCreateError(location.createError))
        dialogs.ShowApplicationMessage(
            Messages::CouldNotCreateDirectory(location.SettingsFolderText()), MessageButtons::Ok);
    if (!location.publishPath.empty())
        return PublishDestination{location.publishPath, location.publishPath.string()};
    return PublishDestination{
        {}, location.SettingsFolderText() + '\\' + std::string(kPublishFileName)};
}

int PublishToDestination(
    ProfileStore& store, const Profile& profile, const PublishDestination& destination)
{
    if (destination.path.empty())
        return ENOENT;
    return store.ExportProfile(profile, destination.path);
}

PublishTargets PublishTargets::Find(const WinePrefix& prefix, Dialogs& dialogs)
{
    PublishTargets targets;
    for (const InstallKind& install : installKinds)
        targets.installs_[IndexOf(install)] = PrepareInstallDestination(prefix, install, dialogs);
    return targets;
}

bool PublishTargets::IsAvailable(PublishTarget target) const
{
    return std::ranges::all_of(EntryOf(target).installs,
        [this](const InstallKind& install) { return installs_[IndexOf(install)].has_value(); });
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
        if (const std::optional<PublishDestination>& found = installs_[IndexOf(install)])
            destinations.push_back(*found);
        else
            destinations.push_back({});
    }
    return destinations;
}
