#include "cli/ProfileTable.h"

#include "catalog/GameCatalog.h"
#include "cli/Assignment.h"
#include "cli/JsonWriter.h"
#include "cli/TextTable.h"
#include "session/SideEntry.h"
#include "text/Translated.h"

#include <array>
#include <string>
#include <string_view>
#include <variant>

namespace {

using GameCatalog::VehicleCategory;

struct VehicleGroup {
    VehicleCategory category;
    std::string_view caption;  // as the window heads the group
};

// In the window's order, top to bottom.
constexpr std::array<VehicleGroup, 3> kVehicleGroups{{
    {VehicleCategory::Land, TranslatedLater("Land")},
    {VehicleCategory::Sea, TranslatedLater("Sea")},
    {VehicleCategory::Air, TranslatedLater("Air")},
}};

constexpr std::string_view kUnknownVehicle = "unknown";

const GameCatalog::VehicleEntry* VehicleAt(int index)
{
    if (index < 0 || index >= GameCatalog::kVehicleCount)
        return nullptr;
    return &GameCatalog::vehicles[static_cast<std::size_t>(index)];
}

const TeamSettings& SettingsOf(const Profile& profile, const SideEntry& side)
{
    return profile.*side.settings;
}

std::string_view TeamName(int team)
{
    return GameCatalog::teams[static_cast<std::size_t>(team)].displayName;
}

bool IsKitEnabled(const TeamSettings& settings, int slot)
{
    return IsFlagSet(settings.kits[static_cast<std::size_t>(slot)]);
}

std::string FlagText(bool enabled)
{
    return enabled ? "on" : "off";
}

std::string FlagText(Flag flag)
{
    return FlagText(IsFlagSet(flag));
}

// Two sub-columns in one cell, so that both sides line up under "Pri.  Sec.".
std::string PairCell(const std::string& primary, const std::string& secondary)
{
    constexpr std::size_t kSubColumnWidth = 6;
    return primary + std::string(kSubColumnWidth - primary.size(), ' ') + secondary;
}

// One row: the caption, then a cell per side.
template <typename Cell>
std::vector<std::string> SideRow(const Profile& profile, std::string caption, Cell cell)
{
    std::vector<std::string> row{std::move(caption)};
    for (const SideEntry& side : sides)
        row.push_back(cell(SettingsOf(profile, side)));
    return row;
}

void AddTeamRows(const Profile& profile, TextTable& table)
{
    std::vector<std::string> heading{Translated("Teams")};
    for (const SideEntry& side : sides)
        heading.emplace_back(side.caption);
    table.AddRow(std::move(heading));
    table.AddRow(SideRow(profile, "  " + std::string(Translated("Team")),
        [](const TeamSettings& settings) { return std::string(TeamName(settings.team)); }));
    table.AddRow(SideRow(profile, Translated("Kits"),
        [](const TeamSettings&) { return PairCell(Translated("Pri."), Translated("Sec.")); }));
    for (const GameCatalog::KitClass& kitClass : GameCatalog::kitClasses) {
        table.AddRow(SideRow(profile,
            "  " + std::string(Translated(std::string(kitClass.caption).c_str())),
            [&](const TeamSettings& settings) {
                return PairCell(FlagText(IsKitEnabled(settings, kitClass.primarySlot)),
                    FlagText(IsKitEnabled(settings, kitClass.secondarySlot)));
            }));
    }
    table.AddHeading(Translated("Weapons"));
    for (std::size_t slot = 0; slot < GameCatalog::kWeaponSlots; ++slot) {
        table.AddRow(SideRow(profile, "  #" + std::to_string(slot + 1),
            [&](const TeamSettings& settings) { return FlagText(settings.weapons[slot]); }));
    }
}

std::string SubstituteName(const VehicleChoice& choice)
{
    const GameCatalog::VehicleEntry* substitute = VehicleAt(choice.alternative);
    return std::string(substitute != nullptr ? substitute->displayName : kUnknownVehicle);
}

void AddVehicleRows(const Profile& profile, TextTable& table)
{
    table.AddRow({Translated("Vehicles"), Translated("Substitute")});
    for (const VehicleGroup& group : kVehicleGroups) {
        table.AddHeading(" " + std::string(Translated(group.caption.data())));
        for (const int index : GameCatalog::vehicleOfPanelRow) {
            const GameCatalog::VehicleEntry& vehicle = *VehicleAt(index);
            if (vehicle.category == group.category) {
                table.AddRow({"  " + std::string(vehicle.displayName),
                    SubstituteName(profile.vehicles[static_cast<std::size_t>(index)])});
            }
        }
    }
}

}  // namespace

void WriteProfileTable(const Profile& profile, std::ostream& out)
{
    out << Translated("Profile: ") << profile.name << "\n\n";
    TextTable table;
    AddTeamRows(profile, table);
    table.AddRow({});
    AddVehicleRows(profile, table);
    table.Write(out);
}

void WriteSettingJson(const SettingValue& value, JsonWriter& json)
{
    if (const bool* flag = std::get_if<bool>(&value))
        json.Bool(*flag);
    else if (const std::string_view* name = std::get_if<std::string_view>(&value))
        json.String(*name);
    else
        json.Null();
}

void WriteProfileJson(const Profile& profile, std::ostream& out)
{
    JsonWriter json(out);
    json.BeginObject();
    json.Key("name");
    json.String(profile.name);
    json.Key("settings");
    json.BeginObject();
    for (const KeyedSetting& setting : ProfileSettings(profile)) {
        json.Key(setting.key);
        WriteSettingJson(setting.value, json);
    }
    json.EndObject();
    json.EndObject();
}

void WriteProfileAssignments(const Profile& profile, std::ostream& out)
{
    for (const KeyedSetting& setting : ProfileSettings(profile)) {
        if (!std::holds_alternative<std::monostate>(setting.value))
            out << setting.key << '=' << SettingValueText(setting.value) << '\n';
    }
}
