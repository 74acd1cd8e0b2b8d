#include "session/PublishTargets.h"

#include "installs/InstallFinder.h"
#include "profile/AtomicFile.h"
#include "profile/FileBackup.h"
#include "profile/FolderLock.h"
#include "profile/ProfileStore.h"
#include "session/Dialogs.h"
#include "session/PublishJournal.h"
#include "session/Sha256.h"

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <optional>
#include <system_error>

namespace {

constexpr TranslatedText kWorkingFolderPlace = TranslatedText("the working folder");

std::size_t IndexOf(const InstallKind& install)
{
    return static_cast<std::size_t>(&install - installKinds.data());
}

// The bytes the destination holds now, as written, in the journal.
int RecordPublish(
    const ProfileStore& store, const Profile& profile, const PublishDestination& destination)
{
    std::string written;
    if (const int error = ReadFileBytes(destination.path, written))
        return error;
    std::error_code error;
    const std::filesystem::path profileFile
        = std::filesystem::absolute(store.ProfilePath(profile.name), error).lexically_normal();
    return PublishJournal().Append({std::time(nullptr), written.size(), Sha256Hex(written),
        profile.name, profileFile, destination.text});
}

}  // namespace

PublishDestination WorkingFolderDestination()
{
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::current_path(error);
    if (error)
        return {{}, std::string(kPublishFileName), std::string(kWorkingFolderPlace)};
    const std::filesystem::path path = folder / kPublishFileName;
    return {path, path.string(), std::string(kWorkingFolderPlace)};
}

PublishDestination PrepareInstallDestination(
    const InstallKind& kind, const FoundInstall& install, FolderCreation creation, Dialogs& dialogs)
{
    InstallLocation location = install.location;
    PlaceSettingsFolder(location, creation);
    if (IsReportedCreateError(location.createError))
        dialogs.ShowApplicationMessage(
            Messages::CouldNotCreateDirectory(location.SettingsFolderText()), MessageButtons::Ok);
    return {location.publishPath, location.publishPath.string(), std::string(kind.place)};
}

PublishOutcome PublishToDestination(ProfileStore& store, const Profile& profile,
    const PublishDestination& destination, Backup backup)
{
    if (destination.path.empty())
        return {0, {}, ENOENT};
    const std::filesystem::path folder = destination.path.parent_path();
    std::error_code error;
    // A second lock on the working folder would wait for the caller's own.
    std::optional<FolderLock> lock;
    if (!std::filesystem::equivalent(folder, store.workingFolder(), error))
        lock.emplace(folder);
    if (lock && lock->error())
        return {0, {}, lock->error()};
    PublishOutcome outcome;
    if (backup == Backup::KeepReplacedFile
        && (outcome.backupError = BackUpFile(destination.path, outcome.backup)))
        return outcome;
    outcome.error = store.ExportProfile(profile, destination.path);
    if (outcome.error == 0)
        outcome.journalError = RecordPublish(store, profile, destination);
    return outcome;
}

PublishTargets PublishTargets::FromInstalls(const InstallsFound& installs, Dialogs& dialogs)
{
    PublishTargets targets;
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

bool PublishTargets::IsAvailable(PublishTarget target) const
{
    return std::ranges::all_of(EntryOf(target).installs, [this](const InstallKind& install) {
        return installs_[IndexOf(install)].destination.has_value();
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
    for (const InstallKind& install : entry.installs)
        destinations.push_back(
            installs_[IndexOf(install)].destination.value_or(PublishDestination{}));
    return destinations;
}

std::string PublishTargets::Description(PublishTarget target) const
{
    const PublishTargetEntry& entry = EntryOf(target);
    if (entry.installs.empty())
        return WorkingFolderDestination().text;
    std::string text;
    for (const InstallKind& install : entry.installs) {
        const InstallTarget& found = installs_[IndexOf(install)];
        text += text.empty() ? "" : "\n";
        if (entry.installs.size() > 1)
            text += std::string(install.caption) + ": ";
        text += found.destination ? found.destination->text : found.reason;
    }
    return text;
}
