#include "editor/WeaponSlotPanel.h"

#include "editor/ControlIds.h"
#include "tests/app/WindowTesting.h"

#include <QListWidget>

namespace {

using namespace ControlId;

class WeaponSlotPanelTest : public WindowTest {
protected:
    // Selects a profile file's entry, as the program does after a load.
    void SelectProfileFile()
    {
        auto& list = ControlOf<QListWidget>(ProfileList);
        const QSignalBlocker blocker(list);
        list.addItem("CustomCombat");
        list.setCurrentRow(1);
    }
};

TEST_F(WeaponSlotPanelTest, ClickMarksTheProfileModified)
{
    SelectProfileFile();
    window.editor().state.SetModified(false);

    Click(RedWeapon1 + 2);

    EXPECT_EQ(StateOf(RedWeapon1 + 2), Qt::Unchecked);
    EXPECT_TRUE(Modified());
    EXPECT_TRUE(ControlOf(SaveButton).isEnabled());
    EXPECT_TRUE(ControlOf(RevertButton).isEnabled());
}

TEST_F(WeaponSlotPanelTest, ShowsAndCollectsEachSidesSlots)
{
    Profile profile = BuiltInDefaultProfile();
    profile.red.weapons = {0, 0, 1, 0, 0, 0};
    profile.blue.weapons = {1, 2, 1, 0, 1, 1};  // only 1 counts as allowed
    Load(profile);

    for (int slot = 0; slot < GameCatalog::kWeaponSlots; ++slot) {
        EXPECT_EQ(StateOf(RedWeapon1 + slot), slot == 2 ? Qt::Checked : Qt::Unchecked);
        EXPECT_EQ(
            StateOf(BlueWeapon1 + slot), slot == 1 || slot == 3 ? Qt::Unchecked : Qt::Checked);
    }
    Profile collected;
    window.editor().ControlsToProfile(collected);
    EXPECT_EQ(collected.red.weapons, profile.red.weapons);
    const std::array<Flag, GameCatalog::kWeaponSlots> blueStored{1, 0, 1, 0, 1, 1};
    EXPECT_EQ(collected.blue.weapons, blueStored);
}

TEST_F(WeaponSlotPanelTest, CaptionsNumberTheSlots)
{
    for (int slot = 0; slot < GameCatalog::kWeaponSlots; ++slot) {
        const QString caption = QString("#%1:").arg(slot + 1);
        EXPECT_EQ(ControlOf<QAbstractButton>(RedWeapon1 + slot).text(), caption);
        EXPECT_EQ(ControlOf<QAbstractButton>(BlueWeapon1 + slot).text(), caption);
    }
}

}  // namespace
