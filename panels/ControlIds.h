#pragma once

// The identifiers of the main window's controls. Every part of the editor names
// a control by one of these; the window's control table gives each its kind,
// caption and place, and the window's object name of a control is its
// identifier in decimal.

#include "catalog/GameCatalog.h"
#include "session/Side.h"

#include <array>
#include <cstddef>
#include <optional>

namespace ControlId {

inline constexpr int None = -1;  // a label or frame the program never addresses

// Profiles
inline constexpr int ProfileList = 1053;
inline constexpr int NewButton = 1054;
inline constexpr int SaveButton = 1055;
inline constexpr int RevertButton = 1056;
inline constexpr int SaveAsButton = 1075;
inline constexpr int PublishButton = 1078;
inline constexpr int PublishToServer = 1077;
inline constexpr int PublishToGame = 1079;
inline constexpr int PublishToBoth = 1080;
inline constexpr int PublishToWorkingFolder = 1081;

// Teams
inline constexpr int RedTeamLabel = 1082;
inline constexpr int BlueTeamLabel = 1083;
inline constexpr int RedTeam = 1003;
inline constexpr int BlueTeam = 1002;
inline constexpr int RedAssault = 1063;
inline constexpr int RedAssaultPrimary = 1064;
inline constexpr int RedAssaultSecondary = 1065;
inline constexpr int RedEngineer = 1066;
inline constexpr int RedEngineerPrimary = 1067;
inline constexpr int RedEngineerSecondary = 1068;
inline constexpr int RedAntiTank = 1069;
inline constexpr int RedAntiTankPrimary = 1070;
inline constexpr int RedAntiTankSecondary = 1071;
inline constexpr int RedScout = 1072;
inline constexpr int RedScoutPrimary = 1073;
inline constexpr int RedScoutSecondary = 1074;
inline constexpr int BlueAssault = 1011;
inline constexpr int BlueAssaultPrimary = 1012;
inline constexpr int BlueAssaultSecondary = 1015;
inline constexpr int BlueEngineer = 1013;
inline constexpr int BlueEngineerPrimary = 1014;
inline constexpr int BlueEngineerSecondary = 1016;
inline constexpr int BlueAntiTank = 1017;
inline constexpr int BlueAntiTankPrimary = 1018;
inline constexpr int BlueAntiTankSecondary = 1019;
inline constexpr int BlueScout = 1020;
inline constexpr int BlueScoutPrimary = 1021;
inline constexpr int BlueScoutSecondary = 1022;
inline constexpr int RedWeapon1 = 1005;   // slots 1..6 run 1005..1010
inline constexpr int BlueWeapon1 = 1057;  // slots 1..6 run 1057..1062

// Vehicles: one drop-down per panel row, 1023 + row.
inline constexpr int MapFilter = 1049;
inline constexpr int VehicleDefaultButton = 1050;
inline constexpr int FirstVehicle = 1023;
inline constexpr int VehicleBm21 = 1023;
inline constexpr int VehicleBtr60 = 1024;
inline constexpr int VehicleM110 = 1025;
inline constexpr int VehicleM113 = 1026;
inline constexpr int VehicleMutt = 1027;
inline constexpr int VehiclePatton = 1028;
inline constexpr int VehicleMuttAlt = 1029;
inline constexpr int VehiclePt76 = 1030;
inline constexpr int VehicleScooter = 1031;
inline constexpr int VehicleSheridan = 1032;
inline constexpr int VehicleT54 = 1033;
inline constexpr int VehicleUaz = 1034;
inline constexpr int VehicleZsu = 1035;
inline constexpr int VehiclePbr = 1036;
inline constexpr int VehicleSampan = 1037;
inline constexpr int VehicleAch47 = 1038;
inline constexpr int VehicleCobra = 1039;
inline constexpr int VehicleCorsair = 1040;
inline constexpr int VehiclePhantom = 1041;
inline constexpr int VehicleMi8 = 1042;
inline constexpr int VehicleMig17 = 1043;
inline constexpr int VehicleMig21 = 1044;
inline constexpr int VehicleHueyGun = 1045;
inline constexpr int VehicleHueySlick = 1046;
inline constexpr int VehicleKa25 = 1047;
inline constexpr int VehicleOh6 = 1048;

// Window
inline constexpr int AboutButton = 1051;
inline constexpr int QuitButton = 1052;

constexpr int VehicleOfPanelRow(int panelRow)
{
    return FirstVehicle + panelRow;
}

}  // namespace ControlId

// One class row of a side: the class box and the boxes of its two kits.
struct ClassRowIds {
    int classBox;
    int primaryKit;
    int secondaryKit;
};

struct SideIds {
    int heading;
    int team;
    // In the order of GameCatalog::kitClasses: Assault, Engineer, Anti-Tank, Scout.
    std::array<ClassRowIds, 4> classRows;
    int firstWeapon;
};

// Indexed by SideIndex().
inline constexpr std::array<SideIds, 2> sideIds{{
    {ControlId::RedTeamLabel, ControlId::RedTeam,
        {{{ControlId::RedAssault, ControlId::RedAssaultPrimary, ControlId::RedAssaultSecondary},
            {ControlId::RedEngineer, ControlId::RedEngineerPrimary,
                ControlId::RedEngineerSecondary},
            {ControlId::RedAntiTank, ControlId::RedAntiTankPrimary,
                ControlId::RedAntiTankSecondary},
            {ControlId::RedScout, ControlId::RedScoutPrimary, ControlId::RedScoutSecondary}}},
        ControlId::RedWeapon1},
    {ControlId::BlueTeamLabel, ControlId::BlueTeam,
        {{{ControlId::BlueAssault, ControlId::BlueAssaultPrimary, ControlId::BlueAssaultSecondary},
            {ControlId::BlueEngineer, ControlId::BlueEngineerPrimary,
                ControlId::BlueEngineerSecondary},
            {ControlId::BlueAntiTank, ControlId::BlueAntiTankPrimary,
                ControlId::BlueAntiTankSecondary},
            {ControlId::BlueScout, ControlId::BlueScoutPrimary, ControlId::BlueScoutSecondary}}},
        ControlId::BlueWeapon1},
}};

constexpr const SideIds& IdsOf(Side side)
{
    return sideIds[SideIndex(side)];
}

struct ClassRowPosition {
    Side side;
    int row;  // index into GameCatalog::kitClasses
};

// The class row whose class box or kit box has this identifier; none for any
// other control.
constexpr std::optional<ClassRowPosition> FindClassRow(int controlId)
{
    for (Side side : bothSides) {
        for (int row = 0; row < static_cast<int>(GameCatalog::kitClasses.size()); ++row) {
            const ClassRowIds& ids = IdsOf(side).classRows[static_cast<std::size_t>(row)];
            if (controlId == ids.classBox || controlId == ids.primaryKit
                || controlId == ids.secondaryKit)
                return ClassRowPosition{side, row};
        }
    }
    return std::nullopt;
}

// The side whose team drop-down has this identifier; none for any other control.
constexpr std::optional<Side> FindTeamSide(int controlId)
{
    for (Side side : bothSides) {
        if (IdsOf(side).team == controlId)
            return side;
    }
    return std::nullopt;
}

struct WeaponSlotPosition {
    Side side;
    int slot;  // 0 to GameCatalog::kWeaponSlots - 1
};

// The side and slot whose weapon box has this identifier; none for any other control.
constexpr std::optional<WeaponSlotPosition> FindWeaponSlot(int controlId)
{
    for (Side side : bothSides) {
        const int slot = controlId - IdsOf(side).firstWeapon;
        if (slot >= 0 && slot < GameCatalog::kWeaponSlots)
            return WeaponSlotPosition{side, slot};
    }
    return std::nullopt;
}
