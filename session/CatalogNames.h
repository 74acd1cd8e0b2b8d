#pragma once

// Finds teams and vehicles by the names a user types: the window's display
// name ("US Army", "T-54") or the document's own name (USArmy, t54), with
// letter case, spaces, hyphens, underscores and dots ignored.

#include <optional>
#include <string>
#include <string_view>
#include <utility>

// The text as names are compared: lower case, without " -_.".
std::string FoldName(std::string_view text);
bool NamesMatch(std::string_view a, std::string_view b);

// Catalog indices, none when no row carries the name.
std::optional<int> FindTeamByName(std::string_view name);
std::optional<int> FindVehicleByName(std::string_view name);

// For messages: "NVA, Viet Cong, ..." and "BM-21 (bm21sam), BTR-60 (btr60), ...".
std::string TeamNameList();
std::string VehicleNameList();

// The names of the rows, separated by ", ".
template <typename Rows, typename Name> std::string JoinNames(const Rows& rows, Name&& name)
{
    std::string list;
    for (const auto& row : rows)
        list += (list.empty() ? "" : ", ") + std::string(std::forward<Name>(name)(row));
    return list;
}
