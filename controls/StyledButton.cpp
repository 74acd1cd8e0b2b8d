#include "controls/StyledButton.h"

#include <array>

namespace {

constexpr std::array backgroundRoles{QPalette::Button, QPalette::Window};
constexpr std::array textRoles{QPalette::WindowText, QPalette::ButtonText};

// Indexed by the current state (Qt numbers them cleared 0, mixed 1, checked 2):
// cleared → checked → mixed → cleared.
constexpr std::array nextTristateState{Qt::Checked, Qt::Unchecked, Qt::PartiallyChecked};

}  // namespace

StyledButton::StyledButton(QWidget* parent)
    : StyledControl(parent, {backgroundRoles, textRoles})
{
}

void StyledButton::nextCheckState()
{
    if (!isTristate()) {
        QCheckBox::nextCheckState();
        return;
    }
    setCheckState(nextTristateState[static_cast<std::size_t>(checkState())]);
}
