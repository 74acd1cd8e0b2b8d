#pragma once

// The "Publish To" radio buttons: where Publish copies the profile. They are
// the only record of the choice; which of them can be chosen is settled from
// the installs found, at start-up and after each choice of folder.

#include "session/PublishTarget.h"

#include <array>
#include <optional>

class PublishTargets;
class QAbstractButton;
class WindowControls;

class PublishTargetButtons {
public:
    explicit PublishTargetButtons(const WindowControls& controls);

    // Every target that can be published to is enabled, each tells in its
    // tooltip where it writes or why it cannot, and the preferred one is checked.
    void Offer(const PublishTargets& targets);

    // The checked target, looked for in the order working folder, Server,
    // Game, Both; none when no button is checked.
    std::optional<PublishTarget> Checked() const;
    QAbstractButton& ButtonOf(PublishTarget target) const;

private:
    std::array<QAbstractButton*, 4> buttons_;  // in the order of PublishTarget
};
