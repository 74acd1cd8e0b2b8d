#pragma once

// The in-memory form of one profile: exactly the settings the editor lets a
// user change. Everything else a .wst document holds (skins, class elements,
// nameID, the four inactive teams) stays in the document and never enters the
// record. The record checks nothing; readers and the window keep it sound.

#include "catalog/GameCatalog.h"

#include <array>
#include <cstdint>
#include <string>

// Flags hold exactly 1 (set) or 0; a reader treats only 1 as set.
using Flag = std::uint8_t;

struct TeamSettings {
    int team = 0;  // index into GameCatalog::teams
    // Scout, Scout alt., Assault, Assault alt., Engineer, Engineer alt.,
    // Heavy_Assault, Heavy_Assault alt. (see GameCatalog::kitColumnOfSlot).
    std::array<Flag, GameCatalog::kKitsPerTeam> kits{};
    std::array<Flag, GameCatalog::kWeaponSlots> weapons{};

    friend bool operator==(const TeamSettings&, const TeamSettings&) = default;
};

struct VehicleChoice {
    // Index of the vehicle standing in for this one; its own index when not
    // substituted, -1 when the document names a vehicle the catalog lacks.
    int alternative = 0;

    friend bool operator==(const VehicleChoice&, const VehicleChoice&) = default;
};

struct Profile {
    std::string name;  // the file name without ".wst"
    TeamSettings red;
    TeamSettings blue;
    std::array<VehicleChoice, GameCatalog::kVehicleCount> vehicles{};

    friend bool operator==(const Profile&, const Profile&) = default;
};

inline constexpr const char* kDefaultProfileName = "Default";

// The built-in "Default" profile: NVA against US Army, every kit and weapon
// slot allowed, no vehicle substituted.
Profile BuiltInDefaultProfile();

inline bool IsFlagSet(Flag flag)
{
    return flag == 1;
}
