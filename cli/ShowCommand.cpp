#include "cli/ShowCommand.h"

#include "cli/OutputFormat.h"
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

constexpr std::array<OutputFormat<ProfileWriter>, 3> kShowFormats{{
    {"table", WriteProfileTable},
    {"json", WriteProfileJson},
    {"set", WriteProfileAssignments},
}};

}  // namespace

ExitStatus RunShow(const Invocation& invocation, Console& console)
{
    const std::string& name = invocation.arguments.front();
    const std::optional<ProfileWriter> write = ChosenFormat(kShowFormats, invocation, console);
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
