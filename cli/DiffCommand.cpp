#include "cli/DiffCommand.h"

#include "cli/Assignment.h"
#include "cli/JsonWriter.h"
#include "cli/ProfileName.h"
#include "cli/ProfileTable.h"
#include "cli/ShowCommand.h"

#include <optional>
#include <vector>

namespace {

struct Difference {
    const KeyedSetting& before;
    const KeyedSetting& after;
};

void WriteText(const std::vector<Difference>& differences, Console& console)
{
    for (const Difference& difference : differences) {
        console.out << '-' << difference.before.key << '='
                    << SettingValueText(difference.before.value) << '\n'
                    << '+' << difference.after.key << '='
                    << SettingValueText(difference.after.value) << '\n';
    }
}

void WriteJson(const std::string& first, const std::string& second,
    const std::vector<Difference>& differences, Console& console)
{
    JsonWriter json(console.out);
    json.BeginObject();
    json.Key("a");
    json.String(first);
    json.Key("b");
    json.String(second);
    json.Key("differences");
    json.BeginArray();
    for (const Difference& difference : differences) {
        json.BeginObject();
        json.Key("key");
        json.String(difference.before.key);
        json.Key("a");
        WriteSettingJson(difference.before.value, json);
        json.Key("b");
        WriteSettingJson(difference.after.value, json);
        json.EndObject();
    }
    json.EndArray();
    json.EndObject();
}

}  // namespace

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
    std::vector<Difference> differences;
    for (std::size_t index = 0; index < from.size(); ++index) {
        if (from[index].value != to[index].value)
            differences.push_back({from[index], to[index]});
    }
    if (invocation.Has("--json"))
        WriteJson(first, second, differences, console);
    else
        WriteText(differences, console);
    return differences.empty() ? ExitStatus::Success : ExitStatus::Failed;
}
