#include "session/Publisher.h"

#include "session/Dialogs.h"
#include "session/EditorState.h"
#include "session/FolderLockHold.h"
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
    // The profile's own file first, under the folder lock and told against
    // that file when it fails: a copy is made only of edits that were saved.
    const FolderLockHold lock(state_);
    if (profiles_.Save() && target) {
        for (const PublishDestination& destination : state_.publishTargets.Destinations(*target)) {
            if (const int error = PublishTo(destination, Backup::None).error)
                dialogs_.ShowApplicationMessage(
                    Messages::ErrorPublishingTo(destination.text, error), MessageButtons::Ok);
        }
    }
    profiles_.FillProfileList(ProfileCommands::Selection::Current);
}

PublishOutcome Publisher::PublishTo(const PublishDestination& destination, Backup backup)
{
    return PublishToDestination(*state_.profileStore, *state_.currentProfile, destination, backup);
}
