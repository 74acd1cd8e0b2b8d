#pragma once

// The game's teams, kits, vehicles and maps as constant tables. Every list the
// program shows is filled in table order, so a list position is a table index,
// and every index a Profile stores points into one of these tables. Nothing is
// read from the game's own files.

#include <array>
#include <cstdint>
#include <string_view>

namespace GameCatalog {

inline constexpr int kTeamCount = 6;
inline constexpr int kKitsPerTeam = 8;
inline constexpr int kWeaponSlots = 6;
inline constexpr int kVehicleCount = 26;
inline constexpr int kMapCount = 16;

struct TeamEntry {
    std::string_view displayName;
    std::string_view tagName;
    // Kit element names: Scout, Scout alternative, Assault, Assault alternative,
    // Heavy_Assault, Heavy_Assault alternative, Engineer, Engineer alternative.
    std::array<std::string_view, kKitsPerTeam> kitNames;
};

enum class VehicleCategory : std::uint8_t { Land = 0, Air = 1, Sea = 2 };

struct VehicleEntry {
    int id;
    std::string_view displayName;
    std::string_view internalName;
    VehicleCategory category;
    // Written into the changeType attribute of every vehicle this one stands in for.
    std::uint8_t changeType;
};

struct MapEntry {
    std::string_view name;
    // Bit r set: vehicle panel row r occurs on the map (see vehicleOfPanelRow).
    std::uint32_t vehicleMask;
};

// A class row of the window: which kit slots of TeamSettings::kits it edits.
struct KitClass {
    std::string_view caption;       // as the window shows it
    std::string_view classElement;  // the class element of a .wst document
    int primarySlot;
    int secondarySlot;
};

inline constexpr std::array<TeamEntry, kTeamCount> teams{{
    {"NVA", "NVA",
        {"NVA_Scout", "NVA_Scout_Alt", "NVA_Assault", "NVA_Assault_Alt", "NVA_HeavyAssault",
            "NVA_HeavyAssault_Alt", "NVA_Engineer", "NVA_Engineer_Alt"}},
    {"Viet Cong", "VietCong",
        {"Vietcong_Scout", "Vietcong_Scout_alt", "vietcong_assault", "vietcong_assault_alt",
            "vietcong_heavyassault", "vietcong_heavyassault_alt", "vietcong_engineer",
            "vietcong_engineer_alt"}},
    {"ARVN", "ARVN",
        {"arvn_recon", "arvn_recon_alt", "arvn_assault", "arvn_assault_alt", "arvn_heavyassault",
            "arvn_heavyassault_alt", "arvn_engineer", "arvn_engineer_alt"}},
    {"US Army", "USArmy",
        {"usarmy_recon", "usarmy_recon_alt", "USArmy_Assault", "USArmy_Assault_alt",
            "USArmy_HeavyAssault", "USArmy_HeavyAssault_alt", "USArmy_Engineer",
            "USArmy_Engineer_Alt"}},
    {"US Marine", "USMarine",
        {"usmarine_recon", "usmarine_recon_alt", "usmarine_assault", "usmarine_assault_alt",
            "usmarine_heavyassault", "usmarine_heavyassault_alt", "usmarine_engineer",
            "usmarine_engineer_alt"}},
    {"Special Forces", "SpecialForces",
        {"specialforces_recon", "specialforces_recon_alt", "specialforces_assault",
            "specialforces_assault_alt", "specialforces_heavyassault",
            "specialforces_heavyassault_alt", "specialforces_engineer",
            "specialforces_engineer_alt"}},
}};

// TeamSettings::kits slot s is the kit named by kitNames[kitColumnOfSlot[s]].
inline constexpr std::array<int, kKitsPerTeam> kitColumnOfSlot{0, 1, 2, 3, 6, 7, 4, 5};

// The window's class rows, top to bottom.
inline constexpr std::array<KitClass, 4> kitClasses{{
    {"Assault", "Assault", 2, 3},
    {"Engineer", "Engineer", 4, 5},
    {"Anti-Tank", "Heavy_Assault", 6, 7},
    {"Scout", "Scout", 0, 1},
}};

inline constexpr std::array<VehicleEntry, kVehicleCount> vehicles{{
    {0, "BM-21", "bm21sam", VehicleCategory::Land, 2},
    {1, "BTR-60", "btr60", VehicleCategory::Land, 2},
    {2, "M-110", "m110", VehicleCategory::Land, 2},
    {3, "M-113", "m113", VehicleCategory::Land, 2},
    {4, "PT-76", "pt76", VehicleCategory::Land, 2},
    {5, "Sheridan", "sheridan", VehicleCategory::Land, 2},
    {6, "T-54", "t54", VehicleCategory::Land, 2},
    {7, "UAZ", "uaz", VehicleCategory::Land, 1},
    {8, "Scooter", "vespa", VehicleCategory::Land, 0},
    {9, "ZSU", "zsu", VehicleCategory::Land, 2},
    {10, "MUTT", "mutt", VehicleCategory::Land, 1},
    {11, "Patton", "patton", VehicleCategory::Land, 2},
    {12, "MUTT Alt", "mutt2", VehicleCategory::Land, 1},
    {13, "P.B.R.", "pbr", VehicleCategory::Sea, 0},
    {14, "Sampan", "sampan", VehicleCategory::Sea, 0},
    {15, "ACH-47", "chinook", VehicleCategory::Air, 0},
    {16, "Cobra", "cobra", VehicleCategory::Air, 0},
    {17, "A-7 Corsair", "corsair", VehicleCategory::Air, 1},
    {18, "F-4 Phantom", "f4phantom", VehicleCategory::Air, 1},
    {19, "Mi-8", "mi8", VehicleCategory::Air, 0},
    {20, "Mig-17", "mig17", VehicleCategory::Air, 1},
    {21, "Mig-21", "mig21", VehicleCategory::Air, 1},
    {22, "Huey Gun", "uh1assault", VehicleCategory::Air, 0},
    {23, "Huey Slick", "uh1transport", VehicleCategory::Air, 0},
    {24, "KA-25 Hormone", "KA-25", VehicleCategory::Air, 0},
    {25, "OH-6 Loach", "OH-6", VehicleCategory::Air, 0},
}};

// The vehicle panel lists its rows in another order than the vehicle table;
// the map masks are indexed by panel row.
inline constexpr std::array<int, kVehicleCount> vehicleOfPanelRow{
    0, 1, 2, 3, 10, 11, 12, 4, 8, 5, 6, 7, 9, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25};

inline constexpr std::array<MapEntry, kMapCount> maps{{
    {"All Maps", 0xFFFFFFFFu},
    {"Cambodian Incursion", 0x00000A9Eu},
    {"Defense of Con Thien", 0x0309085Eu},
    {"Fall of Lang Vei", 0x00001A91u},
    {"Hue 1968", 0x00000D3Bu},
    {"Ho Chi Mihn Trail", 0x00000A9Eu},
    {"La Drang Valley", 0x00C4928Au},
    {"Landing Zone Albany", 0x0081081Eu},
    {"Operation Flaming Dart", 0x00360C10u},
    {"Operation Game Warden", 0x00C8681Au},
    {"Operation Hastings", 0x00DA628Au},
    {"Operation Irving", 0x0044B711u},
    {"Quang Tri 1968", 0x000004AAu},
    {"Quang Tri 1972", 0x000007AFu},
    {"Reclaiming Hue", 0x00000D3Au},
    {"Siege of Khe Sahn", 0x00771890u},
}};

// The id of the vehicle whose internalName equals the text exactly, or -1.
constexpr int FindVehicleIndex(std::string_view internalName)
{
    for (const VehicleEntry& vehicle : vehicles) {
        if (vehicle.internalName == internalName)
            return vehicle.id;
    }
    return -1;
}

// The panel row showing vehicle i (the inverse of vehicleOfPanelRow).
constexpr int PanelRowOfVehicle(int vehicleIndex)
{
    for (int row = 0; row < kVehicleCount; ++row) {
        if (vehicleOfPanelRow[static_cast<std::size_t>(row)] == vehicleIndex)
            return row;
    }
    return -1;
}

constexpr bool IsMapRowAvailable(const MapEntry& map, int panelRow)
{
    return panelRow >= 0 && panelRow < 32 && ((map.vehicleMask >> panelRow) & 1u) != 0;
}

// The tables' invariants, checked where they are written.
namespace Invariants {

constexpr bool VehicleIdsAreRowsAndNamesUnique()
{
    for (int row = 0; row < kVehicleCount; ++row) {
        const VehicleEntry& vehicle = vehicles[static_cast<std::size_t>(row)];
        if (vehicle.id != row || FindVehicleIndex(vehicle.internalName) != row
            || vehicle.internalName.size() > 31)
            return false;
    }
    return true;
}

constexpr bool PanelRowsArePermutation()
{
    for (int vehicle = 0; vehicle < kVehicleCount; ++vehicle) {
        const int row = PanelRowOfVehicle(vehicle);
        if (row < 0 || vehicleOfPanelRow[static_cast<std::size_t>(row)] != vehicle)
            return false;
    }
    return true;
}

constexpr bool KitSlotsCoverEveryColumnOnce()
{
    unsigned columns = 0;
    for (int column : kitColumnOfSlot)
        columns |= 1u << column;
    unsigned usedSlots = 0;
    for (const KitClass& kitClass : kitClasses)
        usedSlots |= (1u << kitClass.primarySlot) | (1u << kitClass.secondarySlot);
    return columns == 0xFFu && usedSlots == 0xFFu;
}

static_assert(VehicleIdsAreRowsAndNamesUnique(), "a vehicle's id is not its row, or names repeat");
static_assert(PanelRowsArePermutation(), "the vehicle panel lists a vehicle twice or not at all");
static_assert(KitSlotsCoverEveryColumnOnce(), "a kit column or slot is used twice or not at all");

}  // namespace Invariants

}  // namespace GameCatalog
