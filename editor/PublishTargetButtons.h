#pragma once

// The "Publish To" radio buttons: where Publish copies the profile. They are
// the only record of the choice; which of them can be chosen is settled once
// at start-up from the installs found.

#include <array>
#include <cstddef>
#include <optional>

class QAbstractButton;
class WindowControls;

enum class PublishTarget { WorkingFolder, Server, Game, Both };

struct InstallsFound {
    bool server = false;
    bool game = false;
};

class PublishTargetButtons {
public:
    explicit PublishTargetButtons(const WindowControls& controls);

    // The working folder can always be chosen, Server and Game when their
    // install was found, Both when both were. Checked is Server when its
    // install was found, else Game when that was, else the working folder.
    void Offer(InstallsFound found);

    // The checked target, looked for in the order working folder, Server,
    // Game, Both; none when no button is checked.
    std::optional<PublishTarget> Checked() const;

private:
    QAbstractButton& ButtonOf(PublishTarget target) const;

    std::array<QAbstractButton*, 4> buttons_;  // in the order of PublishTarget
};
