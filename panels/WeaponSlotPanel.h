#pragma once

// The two "Allow/Disallow Weapons" groups: six plain check boxes per side, the
// k-th allowing weapon slot k of that side's team.

#include "catalog/GameCatalog.h"
#include "session/Side.h"

#include <array>

class EditingSession;
class QAbstractButton;
class WindowControls;
struct Profile;

class WeaponSlotPanel {
public:
    explicit WeaponSlotPanel(const WindowControls& controls);

    void ShowWeapons(const Profile& profile);
    void WeaponClicked(EditingSession& session, Side side, int slot);

private:
    using SlotBoxes = std::array<QAbstractButton*, GameCatalog::kWeaponSlots>;

    static SlotBoxes FindSlotBoxes(const WindowControls& controls, Side side);
    QAbstractButton& BoxOf(Side side, int slot) const;

    std::array<SlotBoxes, 2> slotBoxes_;
};
