#include "panels/WeaponSlotPanel.h"

#include "panels/ControlIds.h"
#include "panels/WindowControls.h"
#include "session/EditingSession.h"

WeaponSlotPanel::WeaponSlotPanel(const WindowControls& controls)
    : slotBoxes_{FindSlotBoxes(controls, Side::Red), FindSlotBoxes(controls, Side::Blue)}
{
}

WeaponSlotPanel::SlotBoxes WeaponSlotPanel::FindSlotBoxes(const WindowControls& controls, Side side)
{
    SlotBoxes boxes{};
    for (std::size_t slot = 0; slot < boxes.size(); ++slot) {
        boxes[slot] = &controls.Get<ControlKind::WeaponBox>(
            IdsOf(side).firstWeapon + static_cast<int>(slot));
    }
    return boxes;
}

QAbstractButton& WeaponSlotPanel::BoxOf(Side side, int slot) const
{
    return *slotBoxes_[SideIndex(side)][static_cast<std::size_t>(slot)];
}

void WeaponSlotPanel::ShowWeapons(const Profile& profile)
{
    for (Side side : bothSides) {
        const TeamSettings& settings = SettingsOf(profile, side);
        for (int slot = 0; slot < GameCatalog::kWeaponSlots; ++slot)
            BoxOf(side, slot).setChecked(IsFlagSet(settings.weapons[static_cast<std::size_t>(slot)]));
    }
}

void WeaponSlotPanel::WeaponClicked(EditingSession& session, Side side, int slot)
{
    session.edits().SetWeapon(side, slot, BoxOf(side, slot).isChecked());
}
