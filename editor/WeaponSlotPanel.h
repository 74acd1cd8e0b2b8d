#pragma once

// The two "Allow/Disallow Weapons" groups: six plain check boxes per side, the
// k-th allowing weapon slot k of that side's team. The boxes are the working
// copy of the slot flags between a refresh and the next collect.

#include "catalog/GameCatalog.h"
#include "editor/Side.h"

#include <array>

class QAbstractButton;
class WindowControls;

class WeaponSlotPanel {
public:
    explicit WeaponSlotPanel(const WindowControls& controls);

    void ShowWeapons(const Profile& profile);
    void CollectWeapons(Profile& profile) const;

private:
    using SlotBoxes = std::array<QAbstractButton*, GameCatalog::kWeaponSlots>;

    static SlotBoxes FindSlotBoxes(const WindowControls& controls, Side side);

    std::array<SlotBoxes, 2> slotBoxes_;
};
