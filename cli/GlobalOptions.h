#pragma once

// The options that stand before the command and hold for every command:
// -C DIR / --directory DIR works in DIR, --prefix PATH searches that Wine
// prefix alone. Each takes its value as the next argument or after "=".

#include <cstddef>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

struct GlobalOptions {
    std::optional<std::filesystem::path> directory;
    std::optional<std::filesystem::path> prefix;
    std::size_t argumentsRead = 0;  // the command starts after them

    // The options at the start of arguments, or the usage message for a bad one.
    static std::variant<GlobalOptions, std::string> Read(std::span<const std::string> arguments);
    // Enters the directory when one was given; the message telling why not, or none.
    std::optional<std::string> EnterDirectory() const;
    // Every name of every option, short ones included, for suggestions.
    static std::vector<std::string_view> Names();
    // The options for the tool's help, each as its names and its help.
    static std::vector<std::vector<std::string>> HelpRows();
};
