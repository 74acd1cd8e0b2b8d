#include "cli/ProfileCommands.h"

#include "cli/Assignment.h"
#include "cli/Messages.h"
#include "cli/ProfileLoading.h"
#include "profile/ProfileStore.h"

#include <algorithm>
#include <system_error>
#include <variant>
#include <vector>

namespace {

// Every assignment, or none after the first bad one has been reported.
std::optional<std::vector<Assignment>> ParseAssignments(
    const std::vector<std::string>& texts, Console& console)
{
    std::vector<Assignment> assignments;
    for (const std::string& text : texts) {
        std::variant<Assignment, std::string> parsed = ParseAssignment(text);
        if (const std::string* error = std::get_if<std::string>(&parsed)) {
            console.err << *error << '\n';
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

bool FileExists(const std::filesystem::path& path)
{
    std::error_code error;
    return std::filesystem::exists(path, error);
}

}  // namespace

// All assignments are checked before the file is read and applied to a copy of
// the profile before one atomic save: the file changes completely or not at all.
ExitStatus RunSet(const Invocation& invocation, Console& console)
{
    const std::string& name = invocation.arguments.front();
    const std::optional<std::vector<Assignment>> assignments
        = ParseAssignments({invocation.arguments.begin() + 1, invocation.arguments.end()}, console);
    if (!assignments || !CheckProfileName(name, console))
        return ExitStatus::UsageError;
    if (IsDefaultProfileName(name)) {
        console.err << Messages::kCannotSaveOverDefault << '\n';
        return ExitStatus::Failed;
    }
    ProfileStore store;
    std::optional<Profile> profile = LoadProfileFile(store, name, console);
    if (!profile)
        return ExitStatus::Failed;
    for (const Assignment& assignment : *assignments)
        ApplyAssignment(assignment, *profile);
    if (MakesTeamsEqual(*assignments, *profile)) {
        console.err << Messages::kTeamsMustDiffer << '\n';
        return ExitStatus::Failed;
    }
    if (store.SaveProfile(*profile) != 1) {
        console.err << Messages::kUnableToSave << '\n';
        return ExitStatus::Failed;
    }
    return ExitStatus::Success;
}

// Like the window's New: a copy of Default.wst, which is first written from
// the built-in document when the folder has none yet.
ExitStatus RunNew(const Invocation& invocation, Console& console)
{
    const std::string& name = invocation.arguments.front();
    if (IsDefaultProfileName(name)) {
        console.err << Messages::kCannotSaveOverDefault << '\n';
        return ExitStatus::Failed;
    }
    ProfileStore store;
    if (!FileExists(store.ProfilePath(kDefaultProfileName))
        && !RestoreDefaultProfile(store, console))
        return ExitStatus::Failed;
    if (!store.CreateProfileFile(name)) {
        console.err << Messages::kCouldNotCreateProfile << '\n';
        return ExitStatus::Failed;
    }
    return LoadProfileFile(store, name, console) ? ExitStatus::Success : ExitStatus::Failed;
}
