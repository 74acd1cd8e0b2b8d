#include "panels/PublishTargetButtons.h"

#include "panels/ControlIds.h"
#include "panels/WindowControls.h"
#include "session/PublishTargets.h"

#include <QAbstractButton>
#include <QFile>

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
        buttons_[i] = &controls.Get<ControlKind::RadioButton>(targetButtons[i].id);
}

QAbstractButton& PublishTargetButtons::ButtonOf(PublishTarget target) const
{
    return *buttons_[static_cast<std::size_t>(target)];
}

void PublishTargetButtons::Offer(const PublishTargets& targets)
{
    for (const TargetButton& button : targetButtons) {
        QAbstractButton& control = ButtonOf(button.target);
        control.setEnabled(targets.IsAvailable(button.target));
        // Paths are bytes as the file system spells them.
        control.setToolTip(
            QFile::decodeName(QByteArray::fromStdString(targets.Description(button.target))));
    }
    ButtonOf(targets.Preferred()).setChecked(true);
}

std::optional<PublishTarget> PublishTargetButtons::Checked() const
{
    for (const TargetButton& button : targetButtons) {
        if (ButtonOf(button.target).isChecked())
            return button.target;
    }
    return std::nullopt;
}
