#pragma once

// "Did you mean" for a mistyped command, option, key or value: the known name
// closest to what was typed, by edit distance, when it is close enough to be
// a likely typing mistake.

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// Insertions, deletions, substitutions and swaps of two neighbours, one each
// (the optimal string alignment distance).
std::size_t EditDistance(std::string_view a, std::string_view b);

// How names compare: as typed (commands, options), or as CatalogNames folds
// them (keys, teams, vehicles).
enum class Spelling { Exact, Folded };

// The first candidate nearest to typed, if at most a quarter of the longer
// of the two differs; none otherwise.
std::optional<std::string_view> ClosestName(std::string_view typed,
    std::span<const std::string_view> candidates, Spelling spelling = Spelling::Exact);

// " Did you mean "NAME"?" for the closest candidate, else "".
std::string DidYouMean(std::string_view typed, std::span<const std::string_view> candidates,
    Spelling spelling = Spelling::Exact);
