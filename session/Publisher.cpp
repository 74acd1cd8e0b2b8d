#include "session/Publisher.h"

#include "session/DestinationHolding.h"
#include "session/Dialogs.h"
#include "session/EditorState.h"
#include "session/Messages.h"
#include "session/ProfileCommands.h"

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
    // folder lock, and failures are told once the lock is let go.
    const std::vector<PublishDestination> destinations
        = target ? AgreedDestinations(*target) : std::vector<PublishDestination>();
    std::vector<std::string> failures;
    profiles_.Save([&] {
        for (const PublishDestination& destination : destinations) {
            if (const int error = PublishTo(destination, Backup::None).error)
                failures.push_back(Messages::ErrorPublishingTo(destination.text, error));
        }
    });
    for (const std::string& failure : failures)
        dialogs_.ShowApplicationMessage(failure, MessageButtons::Ok);
    profiles_.FillProfileList(ProfileCommands::Selection::Current);
}

std::vector<PublishDestination> Publisher::AgreedDestinations(PublishTarget target)
{
    std::vector<PublishDestination> agreed;
    for (PublishDestination& destination : state_.publishTargets.Destinations(target)) {
        if (LocalHolding(destination).state == DestinationHolding::State::ChangedThere
            && dialogs_.ShowApplicationMessage(Messages::ChangedSincePublished(destination.place)
                       + std::string(Messages::kReplaceIt),
                   MessageButtons::YesNo)
                != MessageAnswer::Yes)
            continue;
        agreed.push_back(std::move(destination));
    }
    return agreed;
}

PublishOutcome Publisher::PublishTo(const PublishDestination& destination, Backup backup)
{
    return PublishToDestination(*state_.profileStore, *state_.currentProfile, destination, backup);
}
