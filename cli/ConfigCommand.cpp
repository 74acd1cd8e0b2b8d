#include "cli/ConfigCommand.h"

#include "installs/SettingsFile.h"
#include "session/InstallChoices.h"
#include "session/Messages.h"
#include "session/ServerSettings.h"
#include "session/Suggestion.h"
#include "text/Formatted.h"
#include "text/Translated.h"

#include <algorithm>
#include <array>
#include <optional>
#include <span>
#include <string>
#include <system_error>
#include <vector>

namespace {

enum class Change { Get, Set, Unset, AddServer, RemoveServer };

struct ConfigAction {
    std::string_view name;
    Change change;
    std::size_t fewestArguments;  // the action's name included
    std::size_t mostArguments;
    std::string_view operands;  // as the usage message names them
};

constexpr std::array<ConfigAction, 5> kActions{{
    {"get", Change::Get, 2, 2, "KEY"},
    {"set", Change::Set, 3, 3, "KEY VALUE"},
    {"unset", Change::Unset, 2, 2, "KEY"},
    {"add-server", Change::AddServer, 3, 4, "NAME URL [PIN]"},
    {"remove-server", Change::RemoveServer, 2, 2, "NAME"},
}};

bool ChangesServers(const ConfigAction& action)
{
    return action.change == Change::AddServer || action.change == Change::RemoveServer;
}

// "get, set, unset" or the keys, as a message lists them.
std::string Listed(std::span<const std::string_view> names)
{
    std::string text;
    for (const std::string_view name : names)
        text.append(text.empty() ? "" : ", ").append(name);
    return text;
}

std::vector<std::string_view> ActionNames()
{
    std::vector<std::string_view> names;
    for (const ConfigAction& action : kActions)
        names.push_back(action.name);
    return names;
}

// Why the arguments are wrong for config, or none.
std::optional<std::string> ArgumentProblem(const std::vector<std::string>& arguments)
{
    const auto action = std::ranges::find(kActions, arguments.front(), &ConfigAction::name);
    if (action == kActions.end()) {
        return Formatted(Translated("Unknown subcommand \"%s\" for config."), {arguments.front()})
            + DidYouMean(arguments.front(), ActionNames())
            + Formatted(Translated(" Use %s."), {Listed(ActionNames())});
    }
    if (arguments.size() < action->fewestArguments || arguments.size() > action->mostArguments)
        return Formatted(Translated("config %s takes %s."), {action->name, action->operands});
    if (action->change == Change::AddServer) {
        const std::string problem = ServerProblem({arguments[1], arguments[2],
            ServerUse::PublishedTo, arguments.size() > 3 ? arguments[3] : std::string()});
        return problem.empty() ? std::nullopt : std::optional(arguments[2] + ": " + problem);
    }
    if (ChangesServers(*action))
        return std::nullopt;
    if (action->change == Change::Set && arguments[2].find_first_of("\r\n") != std::string::npos)
        return std::string(Translated("A value cannot hold a line break."));
    if (std::ranges::find(kSettingKeys, arguments[1]) == kSettingKeys.end())
        return Formatted(Translated("Unknown key \"%s\"."), {arguments[1]})
            + DidYouMean(arguments[1], kSettingKeys)
            + Formatted(Translated(" Keys: %s."), {Listed(kSettingKeys)});
    return std::nullopt;
}

ExitStatus Get(const std::filesystem::path& path, const std::string& key, Console& console)
{
    const SettingsFileRead read = SettingsFile::Load(path);
    if (!read.settings) {
        console.Error(Messages::SettingsNotReadable(path.string(), read.skipped->reason));
        return ExitStatus::Failed;
    }
    const std::optional<std::string> value = read.settings->Get(key);
    if (!value)
        return ExitStatus::Failed;  // like git config: not set, nothing printed
    console.out << *value << '\n';
    return ExitStatus::Success;
}

ExitStatus ChangeServers(
    const std::filesystem::path& path, const std::vector<std::string>& arguments, Console& console)
{
    const std::optional<std::string> problem = arguments[0] == "remove-server"
        ? RemoveServer(path, arguments[1])
        : AddServer(path,
            {arguments[1], arguments[2], ServerUse::PublishedTo,
                arguments.size() > 3 ? arguments[3] : std::string()});
    if (problem) {
        console.Error(*problem);
        return ExitStatus::Failed;
    }
    return ExitStatus::Success;
}

}  // namespace

ExitStatus RunConfig(const Invocation& invocation, Console& console)
{
    const std::vector<std::string>& arguments = invocation.arguments;
    if (const std::optional<std::string> problem = ArgumentProblem(arguments)) {
        console.Error(*problem);
        return ExitStatus::UsageError;
    }
    const ConfigAction* action = &*std::ranges::find(kActions, arguments[0], &ConfigAction::name);
    const std::filesystem::path path = SettingsFile::PathFor(UserEnvironment::FromProcess());
    if (ChangesServers(*action))
        return ChangeServers(path, arguments, console);
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
        console.Error(*problem);
        return ExitStatus::Failed;
    }
    return ExitStatus::Success;
}
