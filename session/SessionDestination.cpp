#include "session/SessionDestination.h"

#include "profile/FolderLock.h"
#include "session/DestinationHolding.h"
#include "session/PublishJournal.h"
#include "session/Sha256.h"
#include "text/Formatted.h"
#include "text/Translated.h"
#include "transport/LocalFolderDestination.h"

#include <ctime>
#include <optional>
#include <system_error>

namespace {

bool IsSameFile(const std::filesystem::path& first, const std::filesystem::path& second)
{
    std::error_code error;
    return std::filesystem::equivalent(first, second, error);
}

}  // namespace

std::unique_ptr<Destination> OpenDestination(
    const PublishDestination& destination, const TransportOptions& options)
{
    if (destination.remote)
        return MakeDestination(*destination.remote, options);
    Location folder;
    folder.path = destination.path.parent_path().string();
    folder.text = folder.path;
    return std::make_unique<LocalFolderDestination>(folder, FolderRole::SettingsFolder);
}

SessionDestination::SessionDestination(
    PublishDestination destination, PublishedProfile profile, const TransportOptions& options)
    : destination_(std::move(destination))
    , profile_(std::move(profile))
    , transport_(OpenDestination(destination_, options))
{
}

TransportResult SessionDestination::Publish(
    std::string_view bytes, Backup backup, const TransferControl& control)
{
    if (!destination_.problem.empty())
        return Failure(Outcome::Failed, destination_.problem);
    if (!destination_.remote && destination_.path.empty())
        return SystemFailure(
            Outcome::FolderMissing, Translated("The working folder cannot be read."), ENOENT);
    if (destination_.remote)
        return Record(transport_->Publish(bytes, backup, Guarded(control)), bytes);
    const std::filesystem::path folder = destination_.path.parent_path();
    std::optional<FolderLock> lock;
    // A second lock on the working folder would wait for the caller's own.
    if (!IsSameFile(folder, profile_.workingFolder))
        lock.emplace(folder);
    if (lock && lock->error())
        return SystemFailure(Outcome::Failed,
            Formatted(Translated("Could not lock the folder %1$s: %2$s"),
                {folder.string(), SystemErrorText(lock->error())}),
            lock->error());
    if (IsSameFile(destination_.path, profile_.file))
        return Record({}, bytes);
    return Record(transport_->Publish(bytes, backup, Guarded(control)), bytes);
}

FetchResult SessionDestination::Fetch(std::size_t maxBytes, const TransferControl& control)
{
    return transport_->Fetch(maxBytes, control);
}

TransportResult SessionDestination::Check(const TransferControl& control)
{
    return transport_->Check(control);
}

TransferControl SessionDestination::Guarded(const TransferControl& control) const
{
    TransferControl guarded = control;
    if (!destination_.replaceChangedFile)
        guarded.mayReplace = [this](const std::optional<std::string>& found) {
            return JudgeHolding(PublishJournal().Read().records, destination_.text, found).state
                != DestinationHolding::State::ChangedThere;
        };
    return guarded;
}

TransportResult SessionDestination::Record(TransportResult result, std::string_view bytes) const
{
    if (result.outcome == Outcome::NotReplaced)
        result.reason = Messages::ChangedSincePublished(destination_.place);
    if (!result.IsDone())
        return result;
    const PublishJournal journal;
    const int error = journal.Append({std::time(nullptr), bytes.size(), Sha256Hex(bytes),
        profile_.name, profile_.file, destination_.text});
    if (error != 0)
        result.warning += std::string(result.warning.empty() ? "" : "\n")
            + Formatted(Translated("could not record the publish in %1$s: %2$s"),
                {journal.file().string(), std::generic_category().message(error)});
    return result;
}
