#include "editor/VehiclePanel.h"

#include "controls/StyledComboBox.h"
#include "editor/ControlIds.h"
#include "tests/app/WindowTesting.h"

#include <set>

namespace {

using namespace ControlId;

const QColor kWhite(255, 255, 255);
const QColor kGrey(128, 128, 128);

class VehiclePanelTest : public WindowTest {
protected:
    QColor BackgroundOf(int panelRow)
    {
        QColor color;
        ControlOf<StyledComboBox>(VehicleOfPanelRow(panelRow)).GetBackgroundColor(color);
        return color;
    }

    // The drop-down that shows catalog vehicle `vehicle`.
    int DropDownOf(int vehicle)
    {
        return VehicleOfPanelRow(GameCatalog::PanelRowOfVehicle(vehicle));
    }
};

TEST_F(VehiclePanelTest, MapFilterWhitensTheVehiclesOfTheChosenMap)
{
    ASSERT_EQ(ControlOf<QComboBox>(MapFilter).currentText(), "All Maps");
    for (int row = 0; row < GameCatalog::kVehicleCount; ++row)
        EXPECT_EQ(BackgroundOf(row), kWhite) << "row " << row;

    Type(MapFilter, "Q");  // the first map beginning with Q
    ASSERT_EQ(ControlOf<QComboBox>(MapFilter).currentText(), "Quang Tri 1968");
    const std::set<int> onMap{VehicleBtr60, VehicleM113, VehiclePatton, VehiclePt76, VehicleT54};
    for (int row = 0; row < GameCatalog::kVehicleCount; ++row) {
        const int id = VehicleOfPanelRow(row);
        EXPECT_EQ(BackgroundOf(row), onMap.contains(id) ? kWhite : kGrey) << "row " << row;
        EXPECT_TRUE(ControlOf(id).isEnabled());
    }
    EXPECT_FALSE(Modified());

    Press(MapFilter, Qt::Key_Home);
    for (int row = 0; row < GameCatalog::kVehicleCount; ++row)
        EXPECT_EQ(BackgroundOf(row), kWhite) << "row " << row;
}

TEST_F(VehiclePanelTest, VehicleListsHoldEveryVehicleInCatalogOrder)
{
    for (int row = 0; row < GameCatalog::kVehicleCount; ++row) {
        auto& list = ControlOf<QComboBox>(VehicleOfPanelRow(row));
        ASSERT_EQ(list.count(), GameCatalog::kVehicleCount);
        EXPECT_EQ(list.itemText(12), "MUTT Alt");
        EXPECT_EQ(list.itemText(24), "KA-25 Hormone");
    }
}

TEST_F(VehiclePanelTest, ShowsSubstitutesInTheirPanelRows)
{
    Profile profile = BuiltInDefaultProfile();
    profile.vehicles[3].alternative = 16;   // M-113 replaced by the Cobra
    profile.vehicles[12].alternative = -1;  // MUTT Alt names no catalog vehicle
    Load(profile);
    EXPECT_EQ(ControlOf<QComboBox>(VehicleM113).currentText(), "Cobra");
    EXPECT_EQ(IndexOf(VehicleMuttAlt), -1);
    EXPECT_EQ(ControlOf<QComboBox>(VehicleMutt).currentText(), "MUTT");
    EXPECT_EQ(ControlOf<QComboBox>(VehicleKa25).currentText(), "KA-25 Hormone");
}

TEST_F(VehiclePanelTest, ChoosingASubstituteMarksTheProfileModified)
{
    Press(VehicleUaz, Qt::Key_End);
    EXPECT_EQ(ControlOf<QComboBox>(VehicleUaz).currentText(), "OH-6 Loach");
    EXPECT_TRUE(Modified());
    // The built-in "Default" entry is selected: Save and Revert stay disabled.
    EXPECT_FALSE(ControlOf(SaveButton).isEnabled());
    EXPECT_FALSE(ControlOf(RevertButton).isEnabled());
}

TEST_F(VehiclePanelTest, DefaultButtonResetsOnlyTheVehicles)
{
    Press(RedTeam, Qt::Key_Down);  // NVA -> Viet Cong
    Click(RedScoutPrimary);
    Click(BlueWeapon1 + 4);
    Press(VehicleM113, Qt::Key_Home);  // M-113 replaced by the BM-21
    Press(VehicleOh6, Qt::Key_Up);
    window.editor().state.currentProfile->vehicles[5].alternative = 9;

    Click(VehicleDefaultButton);

    for (int vehicle = 0; vehicle < GameCatalog::kVehicleCount; ++vehicle) {
        EXPECT_EQ(IndexOf(DropDownOf(vehicle)), vehicle) << "vehicle " << vehicle;
        EXPECT_EQ(window.editor()
                      .state.currentProfile->vehicles[static_cast<std::size_t>(vehicle)]
                      .alternative,
            vehicle);
    }
    EXPECT_EQ(IndexOf(RedTeam), 1);
    EXPECT_EQ(StateOf(RedScoutPrimary), Qt::Unchecked);
    EXPECT_EQ(StateOf(RedScout), Qt::PartiallyChecked);
    EXPECT_EQ(StateOf(BlueWeapon1 + 4), Qt::Unchecked);
    EXPECT_TRUE(Modified());
}

TEST_F(VehiclePanelTest, CollectStoresMinusOneForARowWithoutSelection)
{
    SetIndex(VehicleSampan, -1);
    Profile collected;
    window.editor().ControlsToProfile(collected);
    EXPECT_EQ(collected.vehicles[14].alternative, -1);
    EXPECT_EQ(collected.vehicles[13].alternative, 13);
}

}  // namespace
