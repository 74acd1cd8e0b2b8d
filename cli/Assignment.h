#pragma once

// The KEY=VALUE grammar of the set command, read and written. Every key names one setting the
// window offers: a side's team, a class's kits, a weapon slot, a vehicle's
// substitute, or all substitutes at once. Keys and names compare as
// CatalogNames does, so "red.kit.Anti-Tank=OFF" and "vehicle.t54=UAZ" work.

#include "profile/Profile.h"

#include <string>
#include <string_view>
#include <variant>
#include <vector>

enum class SettingKind { Team, Kits, Weapon, Vehicle, AllVehicles };

struct Setting {
    std::vector<std::string> keys;  // the first one is how messages spell it
    SettingKind kind;
    TeamSettings Profile::*side = nullptr;  // Team, Kits and Weapon only
    std::vector<int> slots;                 // kit slots, a weapon slot or a vehicle index
};

struct Assignment {
    const Setting* setting = nullptr;
    int value = 0;  // a team index, a flag, or a vehicle index
};

// The assignment, or a message that says what is wrong, suggests the nearest
// valid key or value and lists what is valid.
std::variant<Assignment, std::string> ParseAssignment(std::string_view text);

void ApplyAssignment(const Assignment& assignment, Profile& profile);

// The keys and values set accepts, as its help shows them.
std::string AssignmentHelp();

// A profile's value of one setting: a flag, a team's tag name or a vehicle's
// internal name; monostate for a substitute the game does not know, which no
// assignment can name.
using SettingValue = std::variant<std::monostate, bool, std::string_view>;

struct KeyedSetting {
    std::string key;  // as messages spell it
    SettingValue value;
};

// The profile as assignments, in the order of set's help: one per key that
// names a single team, kit, weapon slot or vehicle. Applying all of them to
// any profile gives this one's settings.
std::vector<KeyedSetting> ProfileSettings(const Profile& profile);

// The value as set accepts it: "on", "off" or the name; "unknown" for monostate.
std::string SettingValueText(const SettingValue& value);
