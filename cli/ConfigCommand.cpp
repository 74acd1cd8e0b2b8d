#include "cli/ConfigCommand.h"

#include "installs/SettingsFile.h"
#include "session/InstallChoices.h"
#include "session/Messages.h"

#include <algorithm>
#include <array>
#include <system_error>

namespace {

enum class Change { Get, Set, Unset };

struct ConfigAction {
    std::string_view name;
    Change change;
    std::size_t argumentCount;  // the action's name included
};

constexpr std::array<ConfigAction, 3> kActions{{
    {"get", Change::Get, 2},
    {"set", Change::Set, 3},
    {"unset", Change::Unset, 2},
}};

std::string KeyNames()
{
    std::string names;
    for (const std::string_view key : kSettingKeys)
        names.append(names.empty() ? "" : ", ").append(key);
    return names;
}

// The action, or none after a usage message.
const ConfigAction* ReadAction(const std::vector<std::string>& arguments, Console& console)
{
    const auto action = std::ranges::find(kActions, arguments.front(), &ConfigAction::name);
    if (action == kActions.end()) {
        console.err << "Unknown action \"" << arguments.front() << "\". Use get, set or unset.\n";
        return nullptr;
    }
    if (arguments.size() != action->argumentCount) {
        console.err << "config " << action->name << " takes "
                    << (action->change == Change::Set ? "KEY VALUE" : "KEY") << ".\n";
        return nullptr;
    }
    if (action->change == Change::Set && arguments[2].find_first_of("\r\n") != std::string::npos) {
        console.err << "A value cannot hold a line break.\n";
        return nullptr;
    }
    if (std::ranges::find(kSettingKeys, arguments[1]) == kSettingKeys.end()) {
        console.err << "Unknown key \"" << arguments[1] << "\". Keys: " << KeyNames() << ".\n";
        return nullptr;
    }
    return &*action;
}

ExitStatus Get(const std::filesystem::path& path, const std::string& key, Console& console)
{
    const SettingsFileRead read = SettingsFile::Load(path);
    if (!read.settings) {
        console.err << Messages::SettingsNotReadable(path.string(), read.skipped->reason) << '\n';
        return ExitStatus::Failed;
    }
    const std::optional<std::string> value = read.settings->Get(key);
    if (!value)
        return ExitStatus::Failed;  // like git config: not set, nothing printed
    console.out << *value << '\n';
    return ExitStatus::Success;
}

}  // namespace

ExitStatus RunConfig(const Invocation& invocation, Console& console)
{
    const std::vector<std::string>& arguments = invocation.arguments;
    const ConfigAction* action = ReadAction(arguments, console);
    if (action == nullptr)
        return ExitStatus::UsageError;
    const std::filesystem::path path = SettingsFile::PathFor(UserEnvironment::FromProcess());
    const std::string& key = arguments[1];
    if (action->change == Change::Get)
        return Get(path, key, console);
    std::error_code ignored;
    const std::string value = action->change == Change::Set
        ? std::filesystem::absolute(arguments[2], ignored).string()
        : "";
    std::optional<std::string> problem = ChangeSettingsFile(path, [&](SettingsFile& settings) {
        return action->change == Change::Set ? settings.Set(key, value) : settings.Unset(key);
    });
    if (problem) {
        console.err << *problem << '\n';
        return ExitStatus::Failed;
    }
    return ExitStatus::Success;
}
