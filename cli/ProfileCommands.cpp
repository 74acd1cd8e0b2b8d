#include "cli/ProfileCommands.h"

#include "cli/Assignment.h"
#include "cli/AssignmentSource.h"
#include "cli/ProfileName.h"
#include "cli/TerminalSession.h"
#include "profile/ProfileStore.h"
#include "session/Messages.h"

#include <algorithm>
#include <span>
#include <system_error>
#include <variant>
#include <vector>

namespace {

// Every assignment, or none after the first bad one has been reported.
std::optional<std::vector<Assignment>> ParseAssignments(
    std::span<const std::string> arguments, Console& console)
{
    std::variant<std::vector<AssignmentText>, std::string> gathered
        = GatherAssignments(arguments, console.in);
    if (const std::string* error = std::get_if<std::string>(&gathered)) {
        console.Error(*error);
        return std::nullopt;
    }
    std::vector<Assignment> assignments;
    for (const AssignmentText& text : std::get<std::vector<AssignmentText>>(gathered)) {
        std::variant<Assignment, std::string> parsed = ParseAssignment(text.text);
        if (const std::string* error = std::get_if<std::string>(&parsed)) {
            console.Error((text.origin.empty() ? "" : text.origin + ": ") + *error);
            return std::nullopt;
        }
        assignments.push_back(std::get<Assignment>(parsed));
    }
    return assignments;
}

// The window refuses a team choice that equals the other side's; a file that
// already has both sides on one team is left as it is.
bool MakesTeamsEqual(const std::vector<Assignment>& assignments, const Profile& profile)
{
    const bool changesTeam = std::any_of(assignments.begin(), assignments.end(),
        [](const Assignment& assignment) { return assignment.setting->kind == SettingKind::Team; });
    return changesTeam && profile.red.team == profile.blue.team;
}

}  // namespace

// All assignments are checked before the file is read and applied to a copy of
// the profile before one atomic save: the file changes completely or not at all.
ExitStatus RunSet(const Invocation& invocation, Console& console)
{
    const std::string& name = invocation.arguments.front();
    const std::optional<std::vector<Assignment>> assignments
        = ParseAssignments(std::span(invocation.arguments).subspan(1), console);
    if (!assignments || !CheckProfileName(name, console))
        return ExitStatus::UsageError;
    if (IsDefaultProfileName(name)) {
        console.Error(Messages::kCannotSaveOverDefault);
        return ExitStatus::Failed;
    }
    TerminalSession terminal(console);
    EditingSession& session = terminal.session;
    // Read, change and save in one turn, so that concurrent sets all land.
    if (session.LockFolder() != 0 || !session.Open(name))
        return ExitStatus::Failed;
    session.edits().Apply([&](Profile& profile) {
        for (const Assignment& assignment : *assignments)
            ApplyAssignment(assignment, profile);
    });
    if (MakesTeamsEqual(*assignments, session.profile())) {
        console.Error(Messages::kTeamsMustDiffer);
        return ExitStatus::Failed;
    }
    return session.Save() ? ExitStatus::Success : ExitStatus::Failed;
}

// Like the window's New: a copy of Default.wst, which is first written from
// the built-in document when the folder has none yet.
ExitStatus RunNew(const Invocation& invocation, Console& console)
{
    const std::string& name = invocation.arguments.front();
    TerminalSession terminal(console);
    if (terminal.session.LockFolder() != 0)
        return ExitStatus::Failed;
    if (const std::optional<ProfileRefusal> refusal = terminal.session.CreateProfile(name)) {
        console.Error(std::string(refusal->message)
            + (refusal->reason.empty() ? "" : '\n' + refusal->reason));
        return ExitStatus::Failed;
    }
    return terminal.session.Open(name) ? ExitStatus::Success : ExitStatus::Failed;
}
