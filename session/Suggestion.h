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

// How names compare: as typed (commands, options, profile names), or folded
// by a function first (quavel-cli folds keys, teams and vehicles so that case,
// spaces and hyphens do not count).
using Folding = std::string (*)(std::string_view name);

// The first candidate nearest to typed, if at most a quarter of the longer
// of the two differs; none otherwise.
std::optional<std::string_view> ClosestName(
    std::string_view typed, std::span<const std::string_view> candidates, Folding fold = nullptr);

// " Did you mean "NAME"?" for the closest candidate, else "".
std::string DidYouMean(
    std::string_view typed, std::span<const std::string_view> candidates, Folding fold = nullptr);
