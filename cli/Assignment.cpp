#include "cli/Assignment.h"

#include "catalog/GameCatalog.h"
#include "session/CatalogNames.h"
#include "session/ProfileSettings.h"
#include "session/SideEntry.h"
#include "session/Suggestion.h"
#include "text/Formatted.h"
#include "text/Translated.h"

#include <algorithm>
#include <array>
#include <optional>

namespace {

struct SwitchWord {
    std::string_view word;
    Flag flag;
};

constexpr std::array<SwitchWord, 6> kSwitchWords{
    {{"on", 1}, {"off", 0}, {"true", 1}, {"false", 0}, {"1", 1}, {"0", 0}}};

constexpr std::string_view kResetWord = "default";

std::optional<int> ParseSwitch(std::string_view value)
{
    for (const SwitchWord& entry : kSwitchWords) {
        if (NamesMatch(entry.word, value))
            return entry.flag;
    }
    return std::nullopt;
}

std::optional<int> ParseValue(SettingKind kind, std::string_view value)
{
    switch (kind) {
    case SettingKind::Team:
        return FindTeamByName(value);
    case SettingKind::Kits:
    case SettingKind::Weapon:
        return ParseSwitch(value);
    case SettingKind::Vehicle:
        return FindVehicleByName(value);
    case SettingKind::AllVehicles:
        return NamesMatch(value, kResetWord) ? std::optional<int>(0) : std::nullopt;
    }
    return std::nullopt;
}

// What a value of the kind may be called, for suggestions.
std::vector<std::string_view> ValueNames(SettingKind kind)
{
    std::vector<std::string_view> names;
    switch (kind) {
    case SettingKind::Team:
        for (const GameCatalog::TeamEntry& team : GameCatalog::teams)
            names.insert(names.end(), {team.displayName, team.tagName});
        break;
    case SettingKind::Kits:
    case SettingKind::Weapon:
        for (const SwitchWord& entry : kSwitchWords)
            names.push_back(entry.word);
        break;
    case SettingKind::Vehicle:
        for (const GameCatalog::VehicleEntry& vehicle : GameCatalog::vehicles)
            names.insert(names.end(), {vehicle.displayName, vehicle.internalName});
        break;
    case SettingKind::AllVehicles:
        names.push_back(kResetWord);
        break;
    }
    return names;
}

std::vector<std::string_view> KeyNames()
{
    std::vector<std::string_view> names;
    for (const Setting& setting : Settings())
        names.push_back(setting.keys.front());
    return names;
}

std::string ValidValues(SettingKind kind)
{
    switch (kind) {
    case SettingKind::Team:
        return Formatted(Translated("Valid teams: %s."), {TeamNameList()});
    case SettingKind::Kits:
    case SettingKind::Weapon:
        return Translated("Valid values: on, off (or true, false, 1, 0).");
    case SettingKind::Vehicle:
        return Formatted(Translated("Valid vehicles: %s."), {VehicleNameList()});
    case SettingKind::AllVehicles:
        return Formatted(Translated("The only valid value is %s."), {kResetWord});
    }
    return {};
}

std::string Quoted(std::string_view text)
{
    return '"' + std::string(text) + '"';
}

}  // namespace

std::variant<Assignment, std::string> ParseAssignment(std::string_view text)
{
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos || equals == 0)
        return Formatted(Translated("%s is not an assignment KEY=VALUE."), {Quoted(text)});
    const std::string_view key = text.substr(0, equals);
    const std::string_view value = text.substr(equals + 1);
    const Setting* setting = FindSetting(key);
    if (setting == nullptr)
        return Formatted(Translated("Unknown key %s."), {Quoted(key)})
            + DidYouMean(key, KeyNames(), FoldName) + Translated(" Valid keys:\n")
            + AssignmentHelp();
    const std::optional<int> parsed = ParseValue(setting->kind, value);
    if (!parsed)
        return Formatted(
                   Translated("Invalid value %s for %s."), {Quoted(value), setting->keys.front()})
            + DidYouMean(value, ValueNames(setting->kind), FoldName) + " "
            + ValidValues(setting->kind);
    return Assignment{setting, *parsed};
}

void ApplyAssignment(const Assignment& assignment, Profile& profile)
{
    const Setting& setting = *assignment.setting;
    const auto flag = static_cast<Flag>(assignment.value);
    switch (setting.kind) {
    case SettingKind::Team:
        (profile.*setting.side).team = assignment.value;
        break;
    case SettingKind::Kits:
        for (const int slot : setting.positions)
            (profile.*setting.side).kits[static_cast<std::size_t>(slot)] = flag;
        break;
    case SettingKind::Weapon:
        (profile.*setting.side).weapons[static_cast<std::size_t>(setting.positions.front())] = flag;
        break;
    case SettingKind::Vehicle:
        profile.vehicles[static_cast<std::size_t>(setting.positions.front())].alternative
            = assignment.value;
        break;
    case SettingKind::AllVehicles:
        for (int vehicle = 0; vehicle < GameCatalog::kVehicleCount; ++vehicle)
            profile.vehicles[static_cast<std::size_t>(vehicle)].alternative = vehicle;
        break;
    }
}

std::string AssignmentHelp()
{
    const std::string lastSlot = std::to_string(GameCatalog::kWeaponSlots);
    return "  SIDE.team=TEAM             " + std::string(Translated("the team that plays the side"))
        + "\n  SIDE.kit.CLASS=on|off      " + Translated("both kits of a class")
        + "\n  SIDE.kit.CLASS.pri=on|off  " + Translated("the class's primary kit (Pri.)")
        + "\n  SIDE.kit.CLASS.sec=on|off  " + Translated("the class's alternative kit (Sec.)")
        + "\n  SIDE.weapon.N=on|off       " + Translated("weapon slot #N, N from 1 to ") + lastSlot
        + "\n  vehicle.VEHICLE=VEHICLE    "
        + Translated("the vehicle that stands in for the first one")
        + "\n  vehicles=default           " + Translated("every vehicle stands in for itself")
        + "\nSIDE: " + JoinNames(sides, [](const SideEntry& side) { return side.key; })
        + "\nCLASS: " + JoinNames(GameCatalog::kitClasses, ClassKey) + "\nTEAM: " + TeamNameList()
        + "\nVEHICLE: " + VehicleNameList() + "\n";
}
