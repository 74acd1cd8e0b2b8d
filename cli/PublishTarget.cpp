#include "cli/PublishTarget.h"

#include "cli/CatalogNames.h"

#include <algorithm>

const PublishTarget* FindPublishTarget(std::string_view name)
{
    const auto found = std::find_if(publishTargets.begin(), publishTargets.end(),
        [&](const PublishTarget& target) { return target.name == name; });
    return found == publishTargets.end() ? nullptr : &*found;
}

std::string PublishTargetNames()
{
    return JoinNames(publishTargets, [](const PublishTarget& target) { return target.name; });
}
