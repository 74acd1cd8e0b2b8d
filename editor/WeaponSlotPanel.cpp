#include "editor/WeaponSlotPanel.h"

#include "editor/ControlIds.h"
#include "editor/WindowControls.h"

#include <QAbstractButton>

WeaponSlotPanel::WeaponSlotPanel(const WindowControls& controls)
    : slotBoxes_{FindSlotBoxes(controls, Side::Red), FindSlotBoxes(controls, Side::Blue)}
{
}

WeaponSlotPanel::SlotBoxes WeaponSlotPanel::FindSlotBoxes(const WindowControls& controls, Side side)
{
    SlotBoxes boxes{};
    for (std::size_t slot = 0; slot < boxes.size(); ++slot) {
        boxes[slot]
            = &controls.Get<QAbstractButton>(IdsOf(side).firstWeapon + static_cast<int>(slot));
    }
    return boxes;
}

void WeaponSlotPanel::ShowWeapons(const Profile& profile)
{
    for (Side side : bothSides) {
        const TeamSettings& settings = SettingsOf(profile, side);
        for (std::size_t slot = 0; slot < settings.weapons.size(); ++slot)
            slotBoxes_[SideIndex(side)][slot]->setChecked(IsFlagSet(settings.weapons[slot]));
    }
}

void WeaponSlotPanel::CollectWeapons(Profile& profile) const
{
    for (Side side : bothSides) {
        TeamSettings& settings = SettingsOf(profile, side);
        for (std::size_t slot = 0; slot < settings.weapons.size(); ++slot)
            settings.weapons[slot] = slotBoxes_[SideIndex(side)][slot]->isChecked() ? 1 : 0;
    }
}
