#include "session/DestinationHolding.h"

#include "profile/AtomicFile.h"
#include "profile/FolderLock.h"
#include "profile/RegularFile.h"
#include "session/AtOnce.h"
#include "session/PublishTargets.h"
#include "session/SessionDestination.h"
#include "session/Sha256.h"
#include "text/Formatted.h"
#include "transport/FileAction.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <ranges>

namespace {

using State = DestinationHolding::State;

// A look waits this long for a publish at work; a tooltip should not wait longer.
constexpr std::chrono::milliseconds kLookTimeout{2000};

struct StateEntry {
    State state;
    std::string_view name;
};

constexpr std::array<StateEntry, 6> kStates{{
    {State::Published, "published"},
    {State::EditedSince, "edited since"},
    {State::ChangedThere, "changed there"},
    {State::NotPublishedHere, "not published from here"},
    {State::NoFile, "no file"},
    {State::NotKnown, "not known"},
}};

bool FileHolds(const std::filesystem::path& file, const PublishRecord& record)
{
    std::string bytes;
    return ReadFileBytes(file, bytes) == 0 && bytes.size() == record.size
        && Sha256Hex(bytes) == record.sha256;
}

DestinationHolding NotKnown(std::string reason)
{
    return {State::NotKnown, {}, 0, {}, std::move(reason)};
}

DestinationHolding HoldingOfFetched(
    const PublishDestination& destination, const FetchResult& fetched)
{
    const Outcome outcome = fetched.result.outcome;
    if (outcome != Outcome::Done && outcome != Outcome::FileMissing)
        return NotKnown(fetched.result.reason);
    return JudgeHolding(PublishJournal().Read().records, destination.text,
        outcome == Outcome::Done ? std::optional(fetched.bytes) : std::nullopt);
}

// A fetch that came to these reached the server and the folder a publish writes in.
bool FoundItsPlace(Outcome outcome)
{
    return outcome == Outcome::Done || outcome == Outcome::FileMissing
        || outcome == Outcome::TooLarge || outcome == Outcome::Refused;
}

}  // namespace

std::string DestinationHolding::Text() const
{
    switch (state) {
    case State::Published:
        return Formatted(Translated("%s, published %s"), {profile, LocalTimeText(time)});
    case State::EditedSince:
        return Formatted(Translated("%s as published %s; the profile has been edited since"),
            {profile, LocalTimeText(time)});
    case State::ChangedThere:
        return Translated("changed since it was published from here on ") + LocalTimeText(time);
    case State::NotPublishedHere:
        return Translated("not published from here");
    case State::NotKnown:
        return Translated("not known: ") + reason;
    case State::NoFile:
        break;
    }
    return Translated("no CustomCombat.wst");
}

std::string_view DestinationHolding::StateName() const
{
    return std::ranges::find(kStates, state, &StateEntry::state)->name;
}

DestinationHolding JudgeHolding(const std::vector<PublishRecord>& records,
    const std::string& destination, const std::optional<std::string>& destinationBytes)
{
    if (!destinationBytes)
        return {};
    auto there = records | std::views::reverse
        | std::views::filter(
            [&](const PublishRecord& record) { return record.destination == destination; });
    if (there.empty())
        return {State::NotPublishedHere, {}, 0, {}, {}};
    const std::string digest = Sha256Hex(*destinationBytes);
    const auto written = std::ranges::find_if(there, [&](const PublishRecord& record) {
        return record.size == destinationBytes->size() && record.sha256 == digest;
    });
    if (written == there.end())
        return {State::ChangedThere, {}, there.front().time, {}, {}};
    const PublishRecord& record = *written;
    return {FileHolds(record.profileFile, record) ? State::Published : State::EditedSince,
        record.profile, record.time, record.profileFile.string(), {}};
}

DestinationHolding LocalHolding(const PublishDestination& destination)
{
    // A folder that cannot be locked (or is missing) is looked at all the same.
    std::optional<FolderLock> lock;
    if (!destination.path.empty())
        lock.emplace(destination.path.parent_path(), kLookTimeout);
    const JournalReading journal = PublishJournal().Read();
    std::string bytes;
    const int error = destination.path.empty() ? ENOENT : ReadFileBytes(destination.path, bytes);
    if (error != 0 && error != ENOENT && error != ENOTDIR)
        return NotKnown(
            CouldNot(FileAction::Read, destination.path.string(), SystemErrorText(error)));
    return JudgeHolding(
        journal.records, destination.text, error == 0 ? std::optional(bytes) : std::nullopt);
}

DestinationHolding RemoteHolding(const PublishDestination& destination,
    const TransportOptions& options, const TransferControl& control)
{
    return HoldingOfFetched(
        destination, OpenDestination(destination, options)->Fetch(kMaximumProfileBytes, control));
}

CheckedHolding HoldingAndCheck(
    const PublishDestination& destination, const TransportOptions& options)
{
    if (!destination.remote)
        return {LocalHolding(destination), OpenDestination(destination, options)->Check({})};
    const FetchResult fetched
        = OpenDestination(destination, options)->Fetch(kMaximumProfileBytes, {});
    TransportResult check;
    check.warning = fetched.result.warning;
    if (fetched.result.outcome == Outcome::Failed)
        check = OpenDestination(destination, options)->Check({});
    else if (!FoundItsPlace(fetched.result.outcome))
        check = fetched.result;
    return {HoldingOfFetched(destination, fetched), std::move(check)};
}

std::vector<DestinationHolding> Holdings(
    const std::vector<PublishDestination>& destinations, const TransportOptions& options)
{
    std::vector<DestinationHolding> holdings(destinations.size());
    RunAtOnce(destinations.size(), [&](std::size_t index) {
        const PublishDestination& destination = destinations[index];
        holdings[index] = destination.remote ? RemoteHolding(destination, options, {})
                                             : LocalHolding(destination);
    });
    return holdings;
}
