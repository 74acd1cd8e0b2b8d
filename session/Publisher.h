#pragma once

// Publish: the current profile is saved as its own file and published to
// every destination of the chosen target at once (see PublishToDestinations).
// A failed save of its own file is told against that file and publishes
// nothing; each failed destination is told on its own, and a failure for one
// does not stop the others. Before any of that, a destination whose file
// someone changed since it was last published from here is replaced only
// when the user agrees; a server whose SSH host key is unknown is published
// to again once the user trusts the key shown.

#include "session/PublishTargets.h"

#include <optional>
#include <vector>

class Dialogs;
class EditorState;
class ProfileCommands;

class Publisher {
public:
    Publisher(EditorState& state, ProfileCommands& profiles, Dialogs& dialogs);

    // With no target chosen only the profile's own file is written.
    void Publish(std::optional<PublishTarget> target);
    // Saves the current profile and publishes it to the destinations,
    // keeping a backup of the file there when asked; with a remote one among
    // them under the front-end's watch (see Dialogs::WatchPublish).
    std::vector<TransportResult> PublishTo(
        const std::vector<PublishDestination>& destinations, Backup backup);

private:
    // The target's destinations the user agrees to publish to, asked with no lock held.
    std::vector<PublishDestination> AgreedDestinations(PublishTarget target);
    // Each failure and warning, one message each.
    void Tell(const std::vector<PublishDestination>& destinations,
        const std::vector<TransportResult>& results);
    // The destinations whose unknown host key the user trusted, to publish to again.
    std::vector<PublishDestination> Trusted(const std::vector<PublishDestination>& destinations,
        const std::vector<TransportResult>& results);

    EditorState& state_;
    ProfileCommands& profiles_;
    Dialogs& dialogs_;
};
