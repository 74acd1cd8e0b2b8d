#include "cli/ShowCommand.h"

#include "cli/ProfileName.h"
#include "cli/ProfileTable.h"
#include "cli/TerminalSession.h"
#include "session/Suggestion.h"

#include <array>
#include <optional>
#include <string_view>
#include <vector>

namespace {

using ProfileWriter = void (*)(const Profile&, std::ostream&);

struct ShowFormat {
    std::string_view name;
    ProfileWriter write;
};

constexpr std::array<ShowFormat, 3> kShowFormats{{
    {"table", WriteProfileTable},
    {"json", WriteProfileJson},
    {"set", WriteProfileAssignments},
}};

// --json stands for --format=json; none, having said why, for an unknown
// format or one that --json contradicts.
std::optional<ProfileWriter> ChosenWriter(const Invocation& invocation, Console& console)
{
    const std::optional<std::string> chosen = invocation.Value("--format");
    if (invocation.Has("--json") && chosen && *chosen != "json") {
        console.Error("--json and --format=" + *chosen + " cannot be used together.");
        return std::nullopt;
    }
    const std::string name = invocation.Has("--json") ? "json" : chosen.value_or("table");
    std::vector<std::string_view> names;
    for (const ShowFormat& format : kShowFormats) {
        if (format.name == name)
            return format.write;
        names.push_back(format.name);
    }
    console.Error("Unknown format \"" + name + "\"." + DidYouMean(name, names)
        + " Formats: table, json, set.");
    return std::nullopt;
}

}  // namespace

ExitStatus RunShow(const Invocation& invocation, Console& console)
{
    const std::string& name = invocation.arguments.front();
    const std::optional<ProfileWriter> write = ChosenWriter(invocation, console);
    if (!write || !CheckProfileName(name, console))
        return ExitStatus::UsageError;
    const std::optional<Profile> profile = ReadProfileForShowing(name, console);
    if (!profile)
        return ExitStatus::Failed;
    (*write)(*profile, console.out);
    return ExitStatus::Success;
}

std::optional<Profile> ReadProfileForShowing(const std::string& name, Console& console)
{
    if (IsDefaultProfileName(name))
        return BuiltInDefaultProfile();
    TerminalSession terminal(console);
    if (!terminal.session.Open(name))
        return std::nullopt;
    return terminal.session.profile();
}
