#include "cli/ShowCommand.h"

#include "cli/ProfileName.h"
#include "cli/ProfileTable.h"
#include "cli/TerminalSession.h"

#include <array>
#include <optional>
#include <string_view>

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

// --json stands for --format=json; none, having said why, for an unknown format.
std::optional<ProfileWriter> ChosenWriter(const Invocation& invocation, Console& console)
{
    const std::string name
        = invocation.Has("--json") ? "json" : invocation.Value("--format").value_or("table");
    for (const ShowFormat& format : kShowFormats) {
        if (format.name == name)
            return format.write;
    }
    console.err << "Unknown format \"" << name << "\": table, json or set.\n";
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
