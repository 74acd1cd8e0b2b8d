#include "session/CatalogNames.h"

#include "catalog/GameCatalog.h"

#include <algorithm>

namespace {

constexpr std::string_view kIgnoredCharacters = " -_.";

char LowerCase(char character)
{
    return character >= 'A' && character <= 'Z' ? static_cast<char>(character - 'A' + 'a')
                                                : character;
}

// The index of the first row with a name that matches; none when no row does.
template <typename Rows, typename... Names>
std::optional<int> FindRow(const Rows& rows, std::string_view name, Names... names)
{
    const auto row = std::find_if(rows.begin(), rows.end(),
        [&](const auto& entry) { return (NamesMatch(entry.*names, name) || ...); });
    if (row == rows.end())
        return std::nullopt;
    return static_cast<int>(row - rows.begin());
}

}  // namespace

std::string FoldName(std::string_view text)
{
    std::string folded;
    for (const char character : text) {
        if (kIgnoredCharacters.find(character) == std::string_view::npos)
            folded += LowerCase(character);
    }
    return folded;
}

bool NamesMatch(std::string_view a, std::string_view b)
{
    return FoldName(a) == FoldName(b);
}

std::optional<int> FindTeamByName(std::string_view name)
{
    using GameCatalog::TeamEntry;
    return FindRow(GameCatalog::teams, name, &TeamEntry::displayName, &TeamEntry::tagName);
}

std::optional<int> FindVehicleByName(std::string_view name)
{
    using GameCatalog::VehicleEntry;
    return FindRow(
        GameCatalog::vehicles, name, &VehicleEntry::displayName, &VehicleEntry::internalName);
}

std::string TeamNameList()
{
    return JoinNames(
        GameCatalog::teams, [](const GameCatalog::TeamEntry& team) { return team.displayName; });
}

std::string VehicleNameList()
{
    return JoinNames(GameCatalog::vehicles, [](const GameCatalog::VehicleEntry& vehicle) {
        return std::string(vehicle.displayName) + " (" + std::string(vehicle.internalName) + ")";
    });
}
