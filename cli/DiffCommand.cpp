#include "cli/DiffCommand.h"

#include "cli/Assignment.h"
#include "cli/ProfileName.h"
#include "cli/ShowCommand.h"

#include <optional>

ExitStatus RunDiff(const Invocation& invocation, Console& console)
{
    const std::string& first = invocation.arguments[0];
    const std::string& second = invocation.arguments[1];
    if (!CheckProfileName(first, console) || !CheckProfileName(second, console))
        return ExitStatus::UsageError;
    const std::optional<Profile> before = ReadProfileForShowing(first, console);
    const std::optional<Profile> after
        = before ? ReadProfileForShowing(second, console) : std::nullopt;
    // Trouble is 2, as diff has it, since 1 means "they differ".
    if (!after)
        return ExitStatus::UsageError;
    // Both lists hold the same keys in the same order.
    const std::vector<KeyedSetting> from = ProfileSettings(*before);
    const std::vector<KeyedSetting> to = ProfileSettings(*after);
    bool differ = false;
    for (std::size_t index = 0; index < from.size(); ++index) {
        if (from[index].value == to[index].value)
            continue;
        differ = true;
        console.out << '-' << from[index].key << '=' << SettingValueText(from[index].value) << '\n'
                    << '+' << to[index].key << '=' << SettingValueText(to[index].value) << '\n';
    }
    return differ ? ExitStatus::Failed : ExitStatus::Success;
}
