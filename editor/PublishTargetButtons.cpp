#include "editor/PublishTargetButtons.h"

#include "editor/ControlIds.h"
#include "editor/WindowControls.h"

#include <QAbstractButton>

namespace {

struct TargetButton {
    PublishTarget target;
    int id;
};

// In the order of PublishTarget, which is the order Publish reads them in.
constexpr std::array<TargetButton, 4> targetButtons{{
    {PublishTarget::WorkingFolder, ControlId::PublishToWorkingFolder},
    {PublishTarget::Server, ControlId::PublishToServer},
    {PublishTarget::Game, ControlId::PublishToGame},
    {PublishTarget::Both, ControlId::PublishToBoth},
}};

}  // namespace

PublishTargetButtons::PublishTargetButtons(const WindowControls& controls)
{
    for (std::size_t i = 0; i < targetButtons.size(); ++i)
        buttons_[i] = &controls.Get<QAbstractButton>(targetButtons[i].id);
}

QAbstractButton& PublishTargetButtons::ButtonOf(PublishTarget target) const
{
    return *buttons_[static_cast<std::size_t>(target)];
}

void PublishTargetButtons::Offer(InstallsFound found)
{
    ButtonOf(PublishTarget::WorkingFolder).setEnabled(true);
    ButtonOf(PublishTarget::Server).setEnabled(found.server);
    ButtonOf(PublishTarget::Game).setEnabled(found.game);
    ButtonOf(PublishTarget::Both).setEnabled(found.server && found.game);
    const PublishTarget checked = found.server ? PublishTarget::Server
        : found.game                           ? PublishTarget::Game
                                               : PublishTarget::WorkingFolder;
    ButtonOf(checked).setChecked(true);
}

std::optional<PublishTarget> PublishTargetButtons::Checked() const
{
    for (const TargetButton& button : targetButtons) {
        if (ButtonOf(button.target).isChecked())
            return button.target;
    }
    return std::nullopt;
}
