#include "session/PublishTarget.h"

#include <algorithm>

const PublishTargetEntry& EntryOf(PublishTarget target)
{
    return *std::ranges::find(publishTargets, target, &PublishTargetEntry::target);
}

PublishTarget TargetOf(Product product)
{
    return std::ranges::find_if(publishTargets, [product](const PublishTargetEntry& entry) {
        return entry.installs.size() == 1 && entry.installs.front().product == product;
    })->target;
}

const PublishTargetEntry* FindPublishTarget(std::string_view name)
{
    const auto found = std::ranges::find(publishTargets, name, &PublishTargetEntry::name);
    return found == publishTargets.end() ? nullptr : &*found;
}

std::vector<std::string_view> PublishTargetNameList()
{
    std::vector<std::string_view> names;
    for (const PublishTargetEntry& entry : publishTargets)
        names.push_back(entry.name);
    return names;
}

std::string PublishTargetNames()
{
    std::string names;
    for (const PublishTargetEntry& entry : publishTargets)
        names.append(names.empty() ? "" : ", ").append(entry.name);
    return names;
}
