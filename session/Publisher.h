#pragma once

// Publish: the current profile is saved as its own file and published to
// every destination of the chosen target at once (see PublishToDestinations).
// A failed save of its own file is told against that file and publishes
// nothing; each failed destination is told on its own, and a failure for one
// does not stop the others. A destination whose file someone changed since
// it was last published from here keeps it, and is published to again when
// the user agrees to replace it; a server whose SSH host key is unknown is
// published to again once the user trusts the key shown.

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
    // Each failure and warning, one message each; not the questions Again asks.
    void Tell(const std::vector<PublishDestination>& destinations,
        const std::vector<TransportResult>& results);
    // The destinations to publish to again, asked with no lock held: those
    // whose unknown host key the user trusts, and those whose changed file
    // the user agrees to replace.
    std::vector<PublishDestination> Again(const std::vector<PublishDestination>& destinations,
        const std::vector<TransportResult>& results);
    // Asks whether to trust the key and, if so, writes it to known_hosts.
    bool TrustedByTheUser(const HostKey& key);

    EditorState& state_;
    ProfileCommands& profiles_;
    Dialogs& dialogs_;
};
