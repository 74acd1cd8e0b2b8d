#pragma once

// The tool's command line: a command name, its arguments and its options, read
// against the table of commands. Options may stand anywhere after the command;
// "--" ends them, so that a name may start with a dash. A malformed command
// line yields a message, and nothing has been run.

#include "cli/Console.h"

#include <filesystem>
#include <limits>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

struct Invocation;

enum class OptionUse { Optional, Required };

struct OptionSpec {
    std::string_view name;       // "--to"
    std::string_view valueName;  // "TARGET"; empty for an option without a value
    std::string_view help;
    OptionUse use = OptionUse::Optional;
};

struct CommandSpec {
    std::string_view name;
    std::string_view arguments;  // "NAME KEY=VALUE..." as usage lines show them
    std::string_view summary;
    std::size_t minimumArguments;
    std::size_t maximumArguments;
    std::span<const OptionSpec> options;
    // The help text after the usage line and before the options.
    std::string (*details)();
    ExitStatus (*run)(const Invocation&, Console&);
};

inline constexpr std::size_t kAnyNumber = std::numeric_limits<std::size_t>::max();

struct Invocation {
    const CommandSpec* command = nullptr;
    std::vector<std::string> arguments;
    std::map<std::string, std::string, std::less<>> options;  // value "" for a flag
    std::optional<std::filesystem::path> onlyPrefix;          // --prefix before the command

    bool Has(std::string_view option) const { return options.contains(option); }
    // The option's value; none when the option was not given.
    std::optional<std::string> Value(std::string_view option) const;
};

// Usage: no command at all, answered with the tool's usage line.
enum class Request { Run, ToolHelp, CommandHelp, Version, Usage, UsageError };

struct ParsedCommandLine {
    Request request = Request::UsageError;
    Invocation invocation;  // its command is set for Run and CommandHelp, and where known
    std::string error;      // for UsageError
};

ParsedCommandLine ParseCommandLine(
    std::span<const std::string> arguments, std::span<const CommandSpec> commands);
