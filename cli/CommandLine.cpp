#include "cli/CommandLine.h"

#include "cli/GlobalOptions.h"
#include "session/Suggestion.h"
#include "text/Formatted.h"
#include "text/Translated.h"

#include <algorithm>
#include <vector>

namespace {

constexpr std::string_view kEndOfOptions = "--";

bool IsHelpOption(std::string_view argument)
{
    return argument == "--help" || argument == "-h";
}

bool IsOption(std::string_view argument)
{
    return argument.size() > 1 && argument.front() == '-';
}

const CommandSpec* FindCommand(std::string_view name, std::span<const CommandSpec> commands)
{
    const auto found = std::find_if(commands.begin(), commands.end(),
        [&](const CommandSpec& command) { return command.name == name; });
    return found == commands.end() ? nullptr : &*found;
}

const OptionSpec* FindOption(std::string_view name, const CommandSpec& command)
{
    const auto found = std::find_if(command.options.begin(), command.options.end(),
        [&](const OptionSpec& option) { return option.name == name; });
    return found == command.options.end() ? nullptr : &*found;
}

// The names of the rows, for suggestions.
template <typename Rows> std::vector<std::string_view> NamesOf(const Rows& rows)
{
    std::vector<std::string_view> names;
    for (const auto& row : rows)
        names.push_back(row.name);
    return names;
}

std::string UnknownCommand(std::string_view name, std::span<const CommandSpec> commands)
{
    std::vector<std::string_view> names = NamesOf(commands);
    names.push_back("help");
    return Formatted(Translated("Unknown command \"%s\"."), {name}) + DidYouMean(name, names);
}

std::string UnknownToolOption(std::string_view argument)
{
    const std::string_view name = argument.substr(0, argument.find('='));
    std::vector<std::string_view> names = GlobalOptions::Names();
    names.insert(names.end(), {"--help", "--version"});
    return Formatted(Translated("Unknown option \"%s\"."), {name}) + DidYouMean(name, names);
}

ParsedCommandLine Failure(Invocation invocation, std::string error)
{
    return {Request::UsageError, std::move(invocation), std::move(error)};
}

// "help" and "help COMMAND".
ParsedCommandLine ParseHelpCommand(
    std::span<const std::string> arguments, std::span<const CommandSpec> commands)
{
    if (arguments.empty())
        return {Request::ToolHelp, {}, {}};
    if (arguments.size() > 1)
        return Failure({}, Translated("help takes one command name."));
    const CommandSpec* command = FindCommand(arguments.front(), commands);
    if (command == nullptr)
        return Failure({}, UnknownCommand(arguments.front(), commands));
    return {Request::CommandHelp, {command, {}, {}, {}}, {}};
}

// Reads one option at arguments[index]; index moves past a separate value.
std::optional<std::string> ReadOption(
    std::span<const std::string> arguments, std::size_t& index, Invocation& invocation)
{
    const std::string& argument = arguments[index];
    const std::size_t equals = argument.find('=');
    const std::string name = argument.substr(0, equals);
    const OptionSpec* option = FindOption(name, *invocation.command);
    if (option == nullptr)
        return Formatted(
                   Translated("Unknown option \"%s\" for %s."), {name, invocation.command->name})
            + DidYouMean(name, NamesOf(invocation.command->options));
    if (option->valueName.empty()) {
        if (equals != std::string::npos)
            return Formatted(Translated("%s takes no value."), {name});
        invocation.options[name] = "";
        return std::nullopt;
    }
    if (equals != std::string::npos) {
        invocation.options[name] = argument.substr(equals + 1);
    } else if (index + 1 < arguments.size()) {
        invocation.options[name] = arguments[++index];
    } else {
        return Formatted(Translated("%s needs a value %s."), {name, option->valueName});
    }
    return std::nullopt;
}

std::optional<std::string> CheckCompleteness(const Invocation& invocation)
{
    const CommandSpec& command = *invocation.command;
    const std::size_t count = invocation.arguments.size();
    if (count < command.minimumArguments)
        return Formatted(Translated("Too few arguments for %s."), {command.name});
    if (count > command.maximumArguments)
        return Formatted(Translated("Too many arguments for %s."), {command.name});
    for (const OptionSpec& option : command.options) {
        if (option.use == OptionUse::Required && !invocation.Has(option.name)) {
            return Formatted(
                Translated("%s needs %s %s."), {command.name, option.name, option.valueName});
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> Invocation::Value(std::string_view option) const
{
    const auto found = options.find(option);
    if (found == options.end())
        return std::nullopt;
    return found->second;
}

ParsedCommandLine ParseCommandLine(
    std::span<const std::string> arguments, std::span<const CommandSpec> commands)
{
    if (arguments.empty())
        return {Request::Usage, {}, {}};
    const std::string& first = arguments.front();
    if (IsHelpOption(first))
        return {Request::ToolHelp, {}, {}};
    if (first == "--version")
        return {Request::Version, {}, {}};
    // The options before a command are read already; any other is unknown, not a command.
    if (IsOption(first))
        return Failure({}, UnknownToolOption(first));
    if (first == "help")
        return ParseHelpCommand(arguments.subspan(1), commands);
    Invocation invocation{FindCommand(first, commands), {}, {}, {}};
    if (invocation.command == nullptr)
        return Failure({}, UnknownCommand(first, commands));

    bool optionsEnded = false;
    for (std::size_t index = 1; index < arguments.size(); ++index) {
        const std::string& argument = arguments[index];
        if (optionsEnded || !IsOption(argument)) {
            invocation.arguments.push_back(argument);
        } else if (argument == kEndOfOptions) {
            optionsEnded = true;
        } else if (IsHelpOption(argument)) {
            return {Request::CommandHelp, std::move(invocation), {}};
        } else if (std::optional<std::string> error = ReadOption(arguments, index, invocation)) {
            return Failure(std::move(invocation), std::move(*error));
        }
    }
    if (std::optional<std::string> error = CheckCompleteness(invocation))
        return Failure(std::move(invocation), std::move(*error));
    return {Request::Run, std::move(invocation), {}};
}
