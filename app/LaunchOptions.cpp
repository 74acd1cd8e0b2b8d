#include "app/LaunchOptions.h"

#include <algorithm>
#include <array>
#include <span>

namespace {

using Apply = void (*)(LaunchOptions&, std::string_view value);

struct OptionEntry {
    std::string_view name;
    std::string_view shortName;  // empty when there is none
    std::string_view help;
    Apply apply;  // none for "+bvrm", which the application finds by itself
    std::string_view valueName = {};  // empty for an option without a value
};

constexpr std::array kOptionTable{
    OptionEntry{"--menu", "", "keep the profiles in the user's data folder for Quavel",
        [](LaunchOptions& options, std::string_view) {
            options.startFolder = StartFolder::UserData;
        }},
    OptionEntry{"--prefix", "", "look for the game and the server in this Wine prefix only",
        [](LaunchOptions& options, std::string_view path) { options.prefix = path; }, "PATH"},
    OptionEntry{"+bvrm", "", "publish only into the working folder", nullptr},
    OptionEntry{"--help", "-h", "show this help and exit",
        [](LaunchOptions& options, std::string_view) {
            options.request = LaunchRequest::ShowHelp;
        }},
    OptionEntry{"--version", "", "show the program's version and exit",
        [](LaunchOptions& options, std::string_view) {
            if (options.request != LaunchRequest::ShowHelp)
                options.request = LaunchRequest::ShowVersion;
        }},
};

bool Names(const OptionEntry& option, std::string_view argument)
{
    return argument == option.name || (!option.shortName.empty() && argument == option.shortName);
}

// "--help, -h".
std::string HelpNames(const OptionEntry& option)
{
    std::string names(option.name);
    if (!option.shortName.empty())
        names += ", " + std::string(option.shortName);
    if (!option.valueName.empty())
        names += ' ' + std::string(option.valueName);
    return names;
}

}  // namespace

LaunchOptions LaunchOptions::FromArguments(int argc, const char* const* argv)
{
    // argv[0] is the program path, which names no option.
    const std::span<const char* const> arguments(
        argv + std::min(argc, 1), argv + std::max(argc, 0));
    LaunchOptions options;
    for (std::size_t index = 0; index < arguments.size(); ++index) {
        for (const OptionEntry& option : kOptionTable) {
            if (option.apply == nullptr || !Names(option, arguments[index]))
                continue;
            // An option's value is the next argument; at the end there is none.
            const bool hasValue = !option.valueName.empty() && index + 1 < arguments.size();
            option.apply(options, hasValue ? arguments[++index] : "");
            break;
        }
    }
    return options;
}

std::string LaunchHelp(std::string_view program)
{
    constexpr std::size_t nameColumn = 16;
    std::string text = "Usage: " + std::string(program) + " [--menu] [--prefix PATH] [+bvrm]\n\n"
        + "Edits the Custom Combat profiles (.wst files) of Battlefield Vietnam and\n"
          "publishes them to the game and to its dedicated server.\n\n"
          "The profiles live in the working folder: the folder the program is started\n"
          "in, or with --menu $XDG_DATA_HOME/quavel (~/.local/share/quavel when\n"
          "XDG_DATA_HOME is not set), created when missing. The desktop menu starts\n"
          "the program with --menu.\n\n"
          "Options:\n";
    for (const OptionEntry& option : kOptionTable) {
        const std::string names = HelpNames(option);
        text += "  " + names + std::string(nameColumn - names.size(), ' ')
            + std::string(option.help) + '\n';
    }
    return text;
}
