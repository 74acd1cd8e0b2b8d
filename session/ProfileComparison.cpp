#include "session/ProfileComparison.h"

#include "session/Messages.h"

std::string SettingDifference::Text() const
{
    return first.name + ": " + first.words + " / " + second.words;
}

std::vector<SettingDifference> CompareProfiles(const Profile& first, const Profile& second)
{
    // Both lists hold the same settings in the same order.
    std::vector<KeyedSetting> from = ProfileSettings(first);
    std::vector<KeyedSetting> to = ProfileSettings(second);
    std::vector<SettingDifference> differences;
    for (std::size_t index = 0; index < from.size(); ++index) {
        if (from[index].value != to[index].value)
            differences.push_back({std::move(from[index]), std::move(to[index])});
    }
    return differences;
}

std::vector<std::string> ComparisonLines(const std::vector<SettingDifference>& differences)
{
    if (differences.empty())
        return {std::string(Messages::kNoDifferences)};
    std::vector<std::string> lines;
    for (const SettingDifference& difference : differences)
        lines.push_back(difference.Text());
    return lines;
}
