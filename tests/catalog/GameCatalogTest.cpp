#include "catalog/GameCatalog.h"

#include <gtest/gtest.h>

#include <bitset>
#include <set>

using namespace GameCatalog;

TEST(GameCatalog, FindVehicleIndexComparesWholeNamesCaseSensitively)
{
    EXPECT_EQ(FindVehicleIndex("KA-25"), 24);
    EXPECT_EQ(FindVehicleIndex("ka-25"), -1);
    EXPECT_EQ(FindVehicleIndex(""), -1);
    EXPECT_EQ(FindVehicleIndex("mutt"), 10);
    EXPECT_EQ(FindVehicleIndex("mutt2"), 12);
    EXPECT_EQ(FindVehicleIndex("OH-6"), 25);
    EXPECT_EQ(FindVehicleIndex("oh-6"), -1);
}

TEST(GameCatalog, VehicleIdsEqualTheirRowAndNamesAreUnique)
{
    std::set<std::string_view> internalNames;
    for (int row = 0; row < kVehicleCount; ++row) {
        const VehicleEntry& vehicle = vehicles[static_cast<std::size_t>(row)];
        EXPECT_EQ(vehicle.id, row);
        EXPECT_EQ(FindVehicleIndex(vehicle.internalName), row);
        EXPECT_LE(vehicle.internalName.size(), 31u);
        internalNames.insert(vehicle.internalName);
    }
    EXPECT_EQ(internalNames.size(), static_cast<std::size_t>(kVehicleCount));
}

TEST(GameCatalog, PanelRowsCoverEveryVehicleOnce)
{
    std::set<int> seen(vehicleOfPanelRow.begin(), vehicleOfPanelRow.end());
    EXPECT_EQ(seen.size(), static_cast<std::size_t>(kVehicleCount));
    for (int vehicle = 0; vehicle < kVehicleCount; ++vehicle)
        EXPECT_EQ(vehicleOfPanelRow[static_cast<std::size_t>(PanelRowOfVehicle(vehicle))], vehicle);
    EXPECT_EQ(PanelRowOfVehicle(12), 6);  // MUTT Alt
    EXPECT_EQ(PanelRowOfVehicle(4), 7);   // PT-76
}

TEST(GameCatalog, MapMasksSelectTheListedVehicles)
{
    EXPECT_EQ(maps[1].vehicleMask, maps[5].vehicleMask);
    EXPECT_EQ(maps[0].vehicleMask, 0xFFFFFFFFu);
    for (int row = 0; row < kVehicleCount; ++row)
        EXPECT_TRUE(IsMapRowAvailable(maps[0], row));

    // "Quang Tri 1968": BTR-60, M-113, Patton, PT-76, T-54.
    std::set<std::string_view> shown;
    for (int row = 0; row < kVehicleCount; ++row) {
        if (IsMapRowAvailable(maps[12], row))
            shown.insert(
                vehicles[static_cast<std::size_t>(vehicleOfPanelRow[static_cast<std::size_t>(row)])]
                    .displayName);
    }
    EXPECT_EQ(shown, (std::set<std::string_view>{"BTR-60", "M-113", "Patton", "PT-76", "T-54"}));
    EXPECT_EQ(maps[5].name, "Ho Chi Mihn Trail");
    EXPECT_EQ(maps[15].name, "Siege of Khe Sahn");
}

TEST(GameCatalog, KitClassesPairSlotsWithTheirKitColumns)
{
    // "Anti-Tank" edits slots 6 and 7: the Heavy_Assault kits, columns 4 and 5.
    EXPECT_EQ(kitClasses[2].caption, "Anti-Tank");
    EXPECT_EQ(kitColumnOfSlot[static_cast<std::size_t>(kitClasses[2].primarySlot)], 4);
    EXPECT_EQ(kitColumnOfSlot[static_cast<std::size_t>(kitClasses[2].secondarySlot)], 5);
    EXPECT_EQ(teams[0].kitNames[kitColumnOfSlot[6]], "NVA_HeavyAssault");
    EXPECT_EQ(teams[3].kitNames[kitColumnOfSlot[5]], "USArmy_Engineer_Alt");
}
