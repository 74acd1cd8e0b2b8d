#include "app/ControlTable.h"

#include "app/RoutingTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <vector>

namespace {

using namespace ControlId;

const ControlSpec& SpecOf(int id)
{
    const auto found = std::ranges::find(controlTable, id, &ControlSpec::id);
    if (found == controlTable.end())
        throw std::logic_error("not in the table");
    return *found;
}

TEST(ControlTableTest, AddressedIdentifiersAreUnique)
{
    std::set<int> seen;
    for (const ControlSpec& entry : controlTable) {
        if (entry.id != None) {
            EXPECT_TRUE(seen.insert(entry.id).second) << entry.id;
        }
    }
    EXPECT_EQ(seen.size(), 80u);
}

TEST(ControlTableTest, LastRowsFollowAboutAndQuit)
{
    std::vector<int> lastRows;
    for (auto entry = controlTable.end() - 9; entry != controlTable.end(); ++entry)
        lastRows.push_back(entry->id);
    EXPECT_EQ(lastRows,
        (std::vector<int>{VehicleHueySlick, AboutButton, QuitButton, VehicleKa25, None, None,
            VehicleMuttAlt, VehicleOh6, None}));
    EXPECT_EQ(controlTable.back().caption, "OH-6 Loach");
    EXPECT_EQ(controlTable[117].caption, "KA-25");
    EXPECT_EQ(controlTable[118].caption, " MUTT Alt");
}

TEST(ControlTableTest, VehicleRowsAreStyledDropDownsWithTabStops)
{
    for (int row = 0; row < GameCatalog::kVehicleCount; ++row) {
        const ControlSpec& entry = SpecOf(VehicleOfPanelRow(row));
        EXPECT_EQ(entry.kind, ControlKind::StyledDropDown) << entry.id;
        EXPECT_EQ(entry.flags, kTabStop) << entry.id;
        EXPECT_EQ(entry.dialogRect.width(), 52) << entry.id;
    }
    EXPECT_EQ(SpecOf(MapFilter).kind, ControlKind::DropDown);
}

TEST(ControlTableTest, WeaponSlotsStandInTwoRowsOfThree)
{
    for (int slot = 0; slot < GameCatalog::kWeaponSlots; ++slot) {
        const int y = slot < 3 ? 224 : 240;
        EXPECT_EQ(SpecOf(RedWeapon1 + slot).dialogRect,
            QRect(std::array{20, 52, 80}[slot % 3], y, 22, 8));
        EXPECT_EQ(SpecOf(BlueWeapon1 + slot).dialogRect,
            QRect(std::array{116, 148, 180}[slot % 3], y, 22, 8));
    }
}

TEST(ControlTableTest, OnlySaveAndRevertStartDisabled)
{
    std::vector<int> disabled;
    for (const ControlSpec& entry : controlTable) {
        if ((entry.flags & kDisabled) != 0)
            disabled.push_back(entry.id);
    }
    EXPECT_EQ(disabled, (std::vector<int>{RevertButton, SaveButton}));
}

TEST(RoutingTableTest, EveryRouteFitsItsControlsKind)
{
    const std::map<Notification, std::set<ControlKind>> kindsFor{
        {Notification::Clicked,
            {ControlKind::PushButton, ControlKind::ClassBox, ControlKind::KitBox,
                ControlKind::WeaponBox}},
        {Notification::Activated, {ControlKind::DropDown, ControlKind::StyledDropDown}},
        {Notification::SelectionChanged, {ControlKind::ListBox}},
    };
    std::set<int> routed;
    for (const Route& route : routingTable) {
        EXPECT_TRUE(kindsFor.at(route.notification).contains(SpecOf(route.id).kind)) << route.id;
        EXPECT_TRUE(routed.insert(route.id).second) << route.id;
    }
}

TEST(RoutingTableTest, PublishTargetsAreNotRouted)
{
    for (int id : {PublishToServer, PublishToGame, PublishToBoth, PublishToWorkingFolder}) {
        EXPECT_EQ(std::ranges::find(routingTable, id, &Route::id), std::end(routingTable)) << id;
    }
}

TEST(RoutingTableTest, ProfilesBoxStartsTheProfileCommands)
{
    const std::map<int, Action> expected{
        {ProfileList, Action::SwitchProfile},
        {NewButton, Action::NewProfile},
        {SaveButton, Action::SaveProfile},
        {RevertButton, Action::RevertProfile},
        {SaveAsButton, Action::SaveProfileAs},
        {PublishButton, Action::Publish},
    };
    for (const auto& [id, action] : expected) {
        const auto route = std::ranges::find(routingTable, id, &Route::id);
        ASSERT_NE(route, std::end(routingTable)) << id;
        EXPECT_EQ(route->action, action) << id;
    }
}

TEST(RoutingTableTest, WeaponSlotsAndVehiclesOnlyMarkTheProfileModified)
{
    for (const Route& route : routingTable) {
        const ControlKind kind = SpecOf(route.id).kind;
        const bool vehicle = route.id >= VehicleBm21 && route.id <= VehicleOh6;
        if (kind == ControlKind::WeaponBox || vehicle) {
            EXPECT_EQ(route.action, Action::MarkModified) << route.id;
        }
    }
}

}  // namespace
