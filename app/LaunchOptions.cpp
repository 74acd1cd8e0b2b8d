#include "app/LaunchOptions.h"

#include "text/Formatted.h"
#include "text/Translated.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <span>

namespace {

using Apply = void (*)(LaunchOptions&, std::string_view value);

struct OptionEntry {
    std::string_view name;
    std::string_view shortName;  // empty when there is none
    const char* help;
    Apply apply;                      // none for "+bvrm", which the application finds by itself
    std::string_view valueName = {};  // empty for an option without a value
};

constexpr std::array kOptionTable{
    OptionEntry{"--menu", "",
        TranslatedLater("keep the profiles in the user's data folder for Quavel"),
        [](LaunchOptions& options, std::string_view) {
            options.startFolder = StartFolder::UserData;
        }},
    OptionEntry{"--prefix", "",
        TranslatedLater("look for the game and the server in this Wine prefix only"),
        [](LaunchOptions& options, std::string_view path) { options.prefix = path; }, "PATH"},
    OptionEntry{"+bvrm", "", TranslatedLater("publish only into the working folder"), nullptr},
    OptionEntry{"--help", "-h", TranslatedLater("show this help and exit"),
        [](LaunchOptions& options, std::string_view) {
            options.request = LaunchRequest::ShowHelp;
        }},
    OptionEntry{"--version", "", TranslatedLater("show the program's version and exit"),
        [](LaunchOptions& options, std::string_view) {
            if (options.request != LaunchRequest::ShowHelp)
                options.request = LaunchRequest::ShowVersion;
        }},
};

constexpr std::string_view kWorkingFolderSwitch = "+bvrm";
constexpr std::string_view kProfileExtension = ".wst";

enum class TakesValue { No, Yes };

struct ToolkitOption {
    std::string_view name;
    TakesValue takesValue;
};

// The options every Qt application reads itself (QApplication, QGuiApplication
// and the X11 platform plugin).
constexpr std::array kToolkitOptions{
    ToolkitOption{"-platform", TakesValue::Yes},
    ToolkitOption{"-platformpluginpath", TakesValue::Yes},
    ToolkitOption{"-platformtheme", TakesValue::Yes},
    ToolkitOption{"-plugin", TakesValue::Yes},
    ToolkitOption{"-qwindowgeometry", TakesValue::Yes},
    ToolkitOption{"-qwindowicon", TakesValue::Yes},
    ToolkitOption{"-qwindowtitle", TakesValue::Yes},
    ToolkitOption{"-reverse", TakesValue::No},
    ToolkitOption{"-session", TakesValue::Yes},
    ToolkitOption{"-style", TakesValue::Yes},
    ToolkitOption{"-stylesheet", TakesValue::Yes},
    ToolkitOption{"-widgetcount", TakesValue::No},
    ToolkitOption{"-display", TakesValue::Yes},
    ToolkitOption{"-geometry", TakesValue::Yes},
};

bool Names(const OptionEntry& option, std::string_view argument)
{
    return argument == option.name || (!option.shortName.empty() && argument == option.shortName);
}

// "-style fusion" or "-style=fusion"; none for another argument.
const ToolkitOption* FindToolkitOption(std::string_view argument)
{
    const std::string_view name = argument.substr(0, argument.find('='));
    const auto found = std::find_if(kToolkitOptions.begin(), kToolkitOptions.end(),
        [&](const ToolkitOption& option) { return option.name == name; });
    return found == kToolkitOptions.end() ? nullptr : &*found;
}

bool HasProfileExtension(const std::filesystem::path& file)
{
    std::string extension = file.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
        [](unsigned char character) { return static_cast<char>(std::tolower(character)); });
    return extension == kProfileExtension && !file.stem().empty();
}

// format: a whole sentence, so that each language words it as it will.
void Ignore(
    LaunchOptions& options, const char* format, std::initializer_list<std::string_view> values)
{
    options.warnings.push_back(Formatted(Translated(format), values));
}

void OpenProfile(LaunchOptions& options, const std::filesystem::path& file)
{
    if (!HasProfileExtension(file)) {
        Ignore(options, TranslatedLater("ignoring %s: not a profile file (NAME.wst)"),
            {file.string()});
    } else if (!options.profileToOpen.empty()) {
        Ignore(options, TranslatedLater("ignoring %s: only one profile file is opened"),
            {file.string()});
    } else {
        options.startFolder = StartFolder::ProfileFolder;
        options.profileFolder = file.has_parent_path() ? file.parent_path() : ".";
        options.profileToOpen = file.stem().string();
    }
}

// Reads one argument; index moves past an option's separate value.
void ReadArgument(
    std::span<const char* const> arguments, std::size_t& index, LaunchOptions& options)
{
    const std::string_view argument = arguments[index];
    const auto own = std::find_if(kOptionTable.begin(), kOptionTable.end(),
        [&](const OptionEntry& option) { return Names(option, argument); });
    if (own != kOptionTable.end() && !own->valueName.empty()) {
        if (index + 1 < arguments.size())
            own->apply(options, arguments[++index]);
        else
            Ignore(options, TranslatedLater("ignoring %1$s without its value %2$s"),
                {std::string(argument), std::string(own->valueName)});
    } else if (own != kOptionTable.end()) {
        if (own->apply != nullptr)
            own->apply(options, {});
    } else if (argument.find(kWorkingFolderSwitch) != std::string_view::npos) {
        return;
    } else if (const ToolkitOption* toolkit = FindToolkitOption(argument)) {
        if (toolkit->takesValue == TakesValue::Yes && argument.find('=') == std::string_view::npos)
            ++index;
    } else if (argument.starts_with('-') || argument.starts_with('+')) {
        Ignore(options, TranslatedLater("ignoring unknown option %s"), {std::string(argument)});
    } else {
        OpenProfile(options, std::filesystem::path(argument));
    }
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
    for (std::size_t index = 0; index < arguments.size(); ++index)
        ReadArgument(arguments, index, options);
    return options;
}

std::string LaunchHelp(std::string_view program)
{
    constexpr std::size_t nameColumn = 16;
    std::string text = Formatted(Translated("Usage: %s [--menu] [--prefix PATH] [+bvrm] "
                                            "[PATH/NAME.wst]\n\n"),
                           {std::string(program)})
        // TRANSLATORS: keep the lines within 79 columns.
        + Translated("Edits the Custom Combat profiles (.wst files) of Battlefield Vietnam and\n"
                     "publishes them to the game and to its dedicated server.\n\n"
                     "The profiles live in the working folder: the folder the program is started\n"
                     "in, or with --menu $XDG_DATA_HOME/quavel (~/.local/share/quavel when\n"
                     "XDG_DATA_HOME is not set), created when missing. The desktop menu starts\n"
                     "the program with --menu. Given a profile file, the program works in the\n"
                     "file's folder with that profile selected.\n\n"
                     "Options:\n");
    for (const OptionEntry& option : kOptionTable) {
        const std::string names = HelpNames(option);
        text += "  " + names + std::string(nameColumn - names.size(), ' ') + Translated(option.help)
            + '\n';
    }
    return text
        // TRANSLATORS: keep the lines within 79 columns.
        + Translated("Qt's own options, such as -style and -platform, are passed to Qt. Any other\n"
                     "argument is ignored with a warning.\n");
}
