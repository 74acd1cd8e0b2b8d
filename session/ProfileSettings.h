#pragma once

// Every setting the window offers, each with the keys quavel-cli's set takes
// ("red.kit.scout.sec", "vehicle.t54"), the name the window's screen reader
// gives it ("Red Team, Scout kit, secondary") and the profile's value in both
// forms: as set spells it ("off", "VietCong") and in words ("not allowed",
// "Viet Cong"). Keys and names compare as CatalogNames does. Comparisons,
// show and set all read this one table.

#include "catalog/GameCatalog.h"
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
    std::vector<int> positions;             // kit slots, a weapon slot or a vehicle index
    // As SettingNames names it; "" for a setting of both kits of a class or
    // of all vehicles, which no single control shows.
    std::string name;
};

// In the order of set's help; built once from the game catalog.
const std::vector<Setting>& Settings();
// The setting one of whose keys matches; none when no key does.
const Setting* FindSetting(std::string_view key);
// A kit class as keys spell it: "antitank".
std::string ClassKey(const GameCatalog::KitClass& kitClass);

// A profile's value of one setting: a flag, a team's tag name or a vehicle's
// internal name; monostate for a substitute the game does not know, which no
// assignment can name.
using SettingValue = std::variant<std::monostate, bool, std::string_view>;

struct KeyedSetting {
    std::string key;   // as messages spell it
    std::string name;  // as the window names it
    SettingValue value;
    std::string words;  // "allowed", "not allowed", "Viet Cong", "Patton", "unknown"
};

// The profile's value of every setting that a single control shows, in the
// order of set's help. Applying all of them to any profile gives this one's
// settings.
std::vector<KeyedSetting> ProfileSettings(const Profile& profile);

// The value as set accepts it: "on", "off" or the name; "unknown" for monostate.
std::string SettingValueText(const SettingValue& value);
