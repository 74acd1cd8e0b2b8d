#include "session/Publisher.h"

#include "session/DestinationHolding.h"
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
    // folder lock, and failures are told once the lock is let go. A server
    // whose host key the user then trusts is published to once more.
    std::vector<PublishDestination> destinations
        = target ? AgreedDestinations(*target) : std::vector<PublishDestination>();
    for (int round = 0; round < 2; ++round) {
        std::vector<TransportResult> results;
        profiles_.Save([&] { results = PublishTo(destinations, Backup::None); });
        Tell(destinations, results);
        destinations = Trusted(destinations, results);
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
        if (!result.IsDone() && result.outcome != Outcome::HostKeyUnknown)
            dialogs_.ShowApplicationMessage(
                Messages::ErrorPublishingTo(destinations[index].text, result), MessageButtons::Ok);
        if (!result.warning.empty())
            dialogs_.ShowApplicationMessage(
                destinations[index].text + ": " + result.warning, MessageButtons::Ok);
    }
}

std::vector<PublishDestination> Publisher::Trusted(
    const std::vector<PublishDestination>& destinations,
    const std::vector<TransportResult>& results)
{
    std::vector<PublishDestination> trusted;
    for (std::size_t index = 0; index < results.size(); ++index) {
        const std::optional<HostKey>& key = results[index].hostKey;
        if (results[index].outcome != Outcome::HostKeyUnknown || !key)
            continue;
        if (dialogs_.ShowApplicationMessage(
                Messages::TrustHostKeyQuestion(*key), MessageButtons::YesNo)
            != MessageAnswer::Yes)
            continue;
        if (const TransportResult written = TrustHostKey(*key); !written.IsDone())
            dialogs_.ShowApplicationMessage(written.reason, MessageButtons::Ok);
        else
            trusted.push_back(destinations[index]);
    }
    return trusted;
}

std::vector<PublishDestination> Publisher::AgreedDestinations(PublishTarget target)
{
    std::vector<PublishDestination> agreed;
    const std::vector<PublishDestination> destinations = state_.publishTargets.Destinations(target);
    const std::vector<DestinationHolding> holdings
        = Holdings(destinations, TransportOptionsOfProcess());
    for (std::size_t index = 0; index < destinations.size(); ++index) {
        if (holdings[index].state == DestinationHolding::State::ChangedThere
            && dialogs_.ShowApplicationMessage(
                   Messages::ChangedSincePublished(destinations[index].place)
                       + std::string(Messages::kReplaceIt),
                   MessageButtons::YesNo)
                != MessageAnswer::Yes)
            continue;
        agreed.push_back(destinations[index]);
    }
    return agreed;
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
