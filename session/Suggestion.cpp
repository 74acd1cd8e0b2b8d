#include "session/Suggestion.h"

#include "text/Formatted.h"
#include "text/Translated.h"

#include <algorithm>
#include <vector>

std::size_t EditDistance(std::string_view a, std::string_view b)
{
    // Three rows of the distance table: two rows back, the last and the current.
    std::vector<std::size_t> twoBack(b.size() + 1);
    std::vector<std::size_t> previous(b.size() + 1);
    std::vector<std::size_t> current(b.size() + 1);
    for (std::size_t column = 0; column <= b.size(); ++column)
        previous[column] = column;
    for (std::size_t row = 1; row <= a.size(); ++row) {
        current[0] = row;
        for (std::size_t column = 1; column <= b.size(); ++column) {
            const std::size_t substitution = a[row - 1] == b[column - 1] ? 0 : 1;
            current[column] = std::min({previous[column] + 1, current[column - 1] + 1,
                previous[column - 1] + substitution});
            if (row > 1 && column > 1 && a[row - 1] == b[column - 2] && a[row - 2] == b[column - 1])
                current[column] = std::min(current[column], twoBack[column - 2] + 1);
        }
        std::swap(twoBack, previous);
        std::swap(previous, current);
    }
    return previous[b.size()];
}

namespace {

std::string Spelled(std::string_view name, Folding fold)
{
    return fold != nullptr ? fold(name) : std::string(name);
}

}  // namespace

std::optional<std::string_view> ClosestName(
    std::string_view typed, std::span<const std::string_view> candidates, Folding fold)
{
    const std::string spelledTyped = Spelled(typed, fold);
    std::optional<std::string_view> closest;
    std::size_t closestDistance = 0;
    for (const std::string_view candidate : candidates) {
        const std::string spelledCandidate = Spelled(candidate, fold);
        const std::size_t distance = EditDistance(spelledTyped, spelledCandidate);
        const bool likelyTypo
            = distance * 4 <= std::max(spelledTyped.size(), spelledCandidate.size());
        if (likelyTypo && (!closest || distance < closestDistance)) {
            closest = candidate;
            closestDistance = distance;
        }
    }
    return closest;
}

std::string DidYouMean(
    std::string_view typed, std::span<const std::string_view> candidates, Folding fold)
{
    const std::optional<std::string_view> closest = ClosestName(typed, candidates, fold);
    return closest ? Formatted(Translated(" Did you mean \"%s\"?"), {*closest}) : "";
}
