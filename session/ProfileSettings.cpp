#include "session/ProfileSettings.h"

#include "session/CatalogNames.h"
#include "session/SettingNames.h"
#include "session/SideEntry.h"
#include "text/Translated.h"

#include <algorithm>
#include <array>
#include <optional>

namespace {

constexpr std::string_view kUnknownValue = "unknown";

// The keys of a class: both of its kits, or one of them.
struct KitChoice {
    std::string_view suffix;
    bool primary;
    bool secondary;
};

constexpr std::array<KitChoice, 3> kKitChoices{{
    {"", true, true},
    {".pri", true, false},
    {".sec", false, true},
}};

std::string KitChoiceName(Side side, int kitClass, const KitChoice& choice)
{
    if (choice.primary == choice.secondary)
        return {};
    return KitName(side, kitClass, choice.primary ? KitColumn::Primary : KitColumn::Secondary);
}

void AddSideSettings(const SideEntry& side, std::vector<Setting>& settings)
{
    const std::string prefix = std::string(side.key) + '.';
    settings.push_back({{prefix + "team"}, SettingKind::Team, side.settings, {},
        std::string(SideName(side.side))});
    for (int kitClass = 0; kitClass < static_cast<int>(GameCatalog::kitClasses.size());
         ++kitClass) {
        const GameCatalog::KitClass& row
            = GameCatalog::kitClasses[static_cast<std::size_t>(kitClass)];
        const std::string key = prefix + "kit." + ClassKey(row);
        const std::string alias = prefix + "kit." + std::string(row.classElement);
        for (const KitChoice& choice : kKitChoices) {
            Setting setting{{key + std::string(choice.suffix), alias + std::string(choice.suffix)},
                SettingKind::Kits, side.settings, {}, KitChoiceName(side.side, kitClass, choice)};
            if (choice.primary)
                setting.positions.push_back(row.primarySlot);
            if (choice.secondary)
                setting.positions.push_back(row.secondarySlot);
            settings.push_back(std::move(setting));
        }
    }
    for (int slot = 0; slot < GameCatalog::kWeaponSlots; ++slot) {
        settings.push_back({{prefix + "weapon." + std::to_string(slot + 1)}, SettingKind::Weapon,
            side.settings, {slot}, WeaponSlotName(side.side, slot)});
    }
}

std::vector<Setting> BuildSettings()
{
    std::vector<Setting> settings;
    for (const SideEntry& side : sides)
        AddSideSettings(side, settings);
    for (const GameCatalog::VehicleEntry& vehicle : GameCatalog::vehicles) {
        settings.push_back({{"vehicle." + std::string(vehicle.internalName),
                                "vehicle." + std::string(vehicle.displayName)},
            SettingKind::Vehicle, nullptr, {vehicle.id}, SubstituteName(vehicle.id)});
    }
    settings.push_back({{"vehicles"}, SettingKind::AllVehicles, nullptr, {}, {}});
    return settings;
}

struct ValueAndWords {
    SettingValue value;
    std::string words;
};

ValueAndWords FlagValue(Flag flag)
{
    return {IsFlagSet(flag), IsFlagSet(flag) ? Translated("allowed") : Translated("not allowed")};
}

// A single kit slot, a weapon slot or a vehicle as the profile holds it;
// none for settings that span several (both kits of a class, all vehicles).
std::optional<ValueAndWords> ValueOf(const Setting& setting, const Profile& profile)
{
    const std::size_t slot
        = setting.positions.empty() ? 0 : static_cast<std::size_t>(setting.positions.front());
    switch (setting.kind) {
    case SettingKind::Team: {
        const GameCatalog::TeamEntry& team
            = GameCatalog::teams[static_cast<std::size_t>((profile.*setting.side).team)];
        return ValueAndWords{team.tagName, std::string(team.displayName)};
    }
    case SettingKind::Kits:
        if (setting.positions.size() != 1)
            return std::nullopt;
        return FlagValue((profile.*setting.side).kits[slot]);
    case SettingKind::Weapon:
        return FlagValue((profile.*setting.side).weapons[slot]);
    case SettingKind::Vehicle: {
        const int substitute = profile.vehicles[slot].alternative;
        if (substitute < 0 || substitute >= GameCatalog::kVehicleCount)
            return ValueAndWords{{}, std::string(kUnknownValue)};
        const GameCatalog::VehicleEntry& vehicle
            = GameCatalog::vehicles[static_cast<std::size_t>(substitute)];
        return ValueAndWords{vehicle.internalName, std::string(vehicle.displayName)};
    }
    case SettingKind::AllVehicles:
        return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace

std::string ClassKey(const GameCatalog::KitClass& kitClass)
{
    return FoldName(kitClass.caption);
}

const std::vector<Setting>& Settings()
{
    static const std::vector<Setting> settings = BuildSettings();
    return settings;
}

const Setting* FindSetting(std::string_view key)
{
    const std::vector<Setting>& settings = Settings();
    const auto found = std::find_if(settings.begin(), settings.end(), [&](const Setting& setting) {
        return std::any_of(setting.keys.begin(), setting.keys.end(),
            [&](const std::string& known) { return NamesMatch(known, key); });
    });
    return found == settings.end() ? nullptr : &*found;
}

std::vector<KeyedSetting> ProfileSettings(const Profile& profile)
{
    std::vector<KeyedSetting> settings;
    for (const Setting& setting : Settings()) {
        if (std::optional<ValueAndWords> value = ValueOf(setting, profile))
            settings.push_back(
                {setting.keys.front(), setting.name, value->value, std::move(value->words)});
    }
    return settings;
}

std::string SettingValueText(const SettingValue& value)
{
    if (const bool* flag = std::get_if<bool>(&value))
        return *flag ? "on" : "off";
    if (const std::string_view* name = std::get_if<std::string_view>(&value))
        return std::string(*name);
    return std::string(kUnknownValue);
}
