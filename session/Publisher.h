#pragma once

// Publish: the current profile is saved as its own file and copied to
// CustomCombat.wst for the chosen target. A failed save of its own file is
// told against that file and copies nothing; each failed copy is told on its
// own, and a failure for the server does not stop the copy for the game.
// Before any of that, a destination whose file someone changed since it was
// last published from here is replaced only when the user agrees.

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
    // Saves the current profile and copies it to one destination, keeping a
    // backup of the file there when asked (see PublishToDestination).
    PublishOutcome PublishTo(const PublishDestination& destination, Backup backup);

private:
    // The target's destinations the user agrees to publish to, asked with no lock held.
    std::vector<PublishDestination> AgreedDestinations(PublishTarget target);

    EditorState& state_;
    ProfileCommands& profiles_;
    Dialogs& dialogs_;
};
