#include "session/Publisher.h"

#include "session/Dialogs.h"
#include "session/EditorState.h"
#include "session/Messages.h"
#include "session/ProfileCommands.h"

Publisher::Publisher(EditorState& state, ProfileCommands& profiles, Dialogs& dialogs)
    : state_(state)
    , profiles_(profiles)
    , dialogs_(dialogs)
{
}

void Publisher::Publish(std::optional<PublishTarget> target)
{
    // The edits count as saved only once the profile's own file holds them;
    // after a failed write, closing still asks about them.
    if (state_.profileStore->SaveProfile(*state_.currentProfile) == 1)
        state_.SetModified(false);
    if (target) {
        for (const PublishDestination& destination : state_.publishTargets.Destinations(*target)) {
            if (const int error = PublishTo(destination))
                dialogs_.ShowApplicationMessage(
                    Messages::ErrorPublishingTo(destination.text, error), MessageButtons::Ok);
        }
    }
    profiles_.FillProfileList(ProfileCommands::Selection::Current);
}

int Publisher::PublishTo(const PublishDestination& destination)
{
    return PublishToDestination(*state_.profileStore, *state_.currentProfile, destination);
}
