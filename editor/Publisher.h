#pragma once

// Publish: the current profile, with the panels' values, is saved as its own
// file and copied to CustomCombat.wst for the checked "Publish To" target.
// Each failed copy is told on its own; a failure for the server does not stop
// the copy for the game.

#include <string>
#include <vector>

class Dialogs;
class Editor;
class ProfileCommands;
class PublishTargetButtons;
enum class PublishTarget;

class Publisher {
public:
    Publisher(Editor& editor, const PublishTargetButtons& targets, ProfileCommands& profiles,
        Dialogs& dialogs);

    void Publish();

private:
    std::vector<std::string> Destinations(PublishTarget target) const;
    // 0 or the errno of the failed save or copy.
    int Export(const std::string& destination);

    Editor& editor_;
    const PublishTargetButtons& targets_;
    ProfileCommands& profiles_;
    Dialogs& dialogs_;
};
