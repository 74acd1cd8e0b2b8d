#include "cli/GlobalOptions.h"
#include "text/Formatted.h"
#include "text/Translated.h"

#include <array>
#include <string_view>
#include <system_error>

namespace {

using Field = std::optional<std::filesystem::path> GlobalOptions::*;

struct GlobalOption {
    std::string_view name;
    std::string_view shortName;  // empty when there is none
    std::string_view valueName;
    std::string_view help;
    Field field;
};

constexpr std::array<GlobalOption, 2> kGlobalOptions{{
    {"--directory", "-C", "DIR", TranslatedLater("work in DIR instead of the current folder"),
        &GlobalOptions::directory},
    {"--prefix", "", "PATH",
        TranslatedLater("look for the game and the server in this Wine prefix only"),
        &GlobalOptions::prefix},
}};

const GlobalOption* FindGlobalOption(std::string_view name)
{
    for (const GlobalOption& option : kGlobalOptions) {
        if (name == option.name || (!option.shortName.empty() && name == option.shortName))
            return &option;
    }
    return nullptr;
}

}  // namespace

std::variant<GlobalOptions, std::string> GlobalOptions::Read(std::span<const std::string> arguments)
{
    GlobalOptions options;
    std::size_t& index = options.argumentsRead;
    while (index < arguments.size()) {
        const std::string& argument = arguments[index];
        const std::size_t equals = argument.find('=');
        const GlobalOption* option = FindGlobalOption(std::string_view(argument).substr(0, equals));
        if (option == nullptr)
            break;
        std::optional<std::string> value;
        if (equals != std::string::npos)
            value = argument.substr(equals + 1);
        else if (index + 1 < arguments.size())
            value = arguments[++index];
        // Named as typed: "-C" when the user wrote -C.
        if (!value || value->empty())
            return Formatted(Translated("%s needs a value %s."),
                {argument.substr(0, equals), option->valueName});
        // Relative to the folder the tool was started in, also after -C.
        std::error_code ignored;
        options.*option->field = std::filesystem::absolute(*value, ignored);
        ++index;
    }
    return options;
}

std::optional<std::string> GlobalOptions::EnterDirectory() const
{
    if (!directory)
        return std::nullopt;
    std::error_code error;
    std::filesystem::current_path(*directory, error);
    if (error)
        return Formatted(
            Translated("Cannot work in %s: %s"), {directory->string(), error.message()});
    return std::nullopt;
}

std::vector<std::string_view> GlobalOptions::Names()
{
    std::vector<std::string_view> names;
    for (const GlobalOption& option : kGlobalOptions) {
        names.push_back(option.name);
        if (!option.shortName.empty())
            names.push_back(option.shortName);
    }
    return names;
}

std::vector<std::vector<std::string>> GlobalOptions::HelpRows()
{
    std::vector<std::vector<std::string>> rows;
    for (const GlobalOption& option : kGlobalOptions) {
        const std::string value = ' ' + std::string(option.valueName);
        std::string names = std::string(option.name) + value;
        if (!option.shortName.empty())
            names = std::string(option.shortName) + value + ", " + names;
        rows.push_back({"  " + names, Translated(std::string(option.help).c_str())});
    }
    return rows;
}
