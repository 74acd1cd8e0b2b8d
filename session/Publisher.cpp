#include "session/Publisher.h"

#include "session/Dialogs.h"
#include "session/EditorState.h"
#include "session/Messages.h"
#include "session/ProfileCommands.h"
#include "session/TransportEnvironment.h"
#include "transport/HostKeys.h"

#include <algorithm>
#include <string>
#include <vector>

Publisher::Publisher(EditorState& state, ProfileCommands& profiles, Dialogs& dialogs)
    : state_(state)
    , profiles_(profiles)
    , dialogs_(dialogs)
{
}

void Publisher::Publish(std::optional<PublishTarget> target)
{
    // The profile's own file first, told against that file when it fails: a
    // copy is made only of edits that were saved, in the same turn of the
    // folder lock, and failures are told and questions asked once the lock
    // is let go. A destination is published to once more when the user
    // trusts its host key or agrees to replace what was changed there: at
    // most twice, a server whose key was trusted and whose file was changed.
    std::vector<PublishDestination> destinations
        = target ? state_.publishTargets.Destinations(*target) : std::vector<PublishDestination>();
    for (int round = 0; round < 3; ++round) {
        std::vector<TransportResult> results;
        profiles_.Save([&] { results = PublishTo(destinations, Backup::None); });
        Tell(destinations, results);
        destinations = Again(destinations, results);
        if (destinations.empty())
            break;
    }
    profiles_.FillProfileList(ProfileCommands::Selection::Current);
}

void Publisher::Tell(const std::vector<PublishDestination>& destinations,
    const std::vector<TransportResult>& results)
{
    for (std::size_t index = 0; index < results.size(); ++index) {
        const TransportResult& result = results[index];
        if (!result.IsDone() && result.outcome != Outcome::HostKeyUnknown
            && result.outcome != Outcome::NotReplaced)
            dialogs_.ShowApplicationMessage(
                Messages::ErrorPublishingTo(destinations[index].text, result), MessageButtons::Ok);
        if (!result.warning.empty())
            dialogs_.ShowApplicationMessage(
                destinations[index].text + ": " + result.warning, MessageButtons::Ok);
    }
}

std::vector<PublishDestination> Publisher::Again(
    const std::vector<PublishDestination>& destinations,
    const std::vector<TransportResult>& results)
{
    std::vector<PublishDestination> again;
    for (std::size_t index = 0; index < results.size(); ++index) {
        const TransportResult& result = results[index];
        if (result.outcome == Outcome::HostKeyUnknown && result.hostKey
            && TrustedByTheUser(*result.hostKey))
            again.push_back(destinations[index]);
        if (result.outcome == Outcome::NotReplaced
            && dialogs_.ShowApplicationMessage(
                   result.reason + std::string(Messages::kReplaceIt), MessageButtons::YesNo)
                == MessageAnswer::Yes) {
            again.push_back(destinations[index]);
            again.back().replaceChangedFile = true;
        }
    }
    return again;
}

bool Publisher::TrustedByTheUser(const HostKey& key)
{
    if (dialogs_.ShowApplicationMessage(Messages::TrustHostKeyQuestion(key), MessageButtons::YesNo)
        != MessageAnswer::Yes)
        return false;
    const TransportResult written = TrustHostKey(key);
    if (!written.IsDone())
        dialogs_.ShowApplicationMessage(written.reason, MessageButtons::Ok);
    return written.IsDone();
}

std::vector<TransportResult> Publisher::PublishTo(
    const std::vector<PublishDestination>& destinations, Backup backup)
{
    const auto publish = [&](const PublishWatch& watch) {
        return PublishToDestinations(*state_.profileStore, *state_.currentProfile, destinations,
            backup, TransportOptionsOfProcess(), watch);
    };
    if (std::ranges::none_of(
            destinations, [](const auto& each) { return each.remote.has_value(); }))
        return publish({});
    std::vector<std::string> labels;
    for (const PublishDestination& destination : destinations)
        labels.push_back(destination.label);
    return dialogs_.WatchPublish(labels, publish);
}
