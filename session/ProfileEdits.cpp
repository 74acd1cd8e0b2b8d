#include "session/ProfileEdits.h"

#include "session/Dialogs.h"
#include "session/EditorState.h"
#include "session/Messages.h"
#include "session/SessionView.h"

#include <cstddef>

namespace {

Flag FlagOf(bool allowed)
{
    return allowed ? 1 : 0;
}

std::size_t Index(int value)
{
    return static_cast<std::size_t>(value);
}

}  // namespace

ProfileEdits::ProfileEdits(EditorState& state, Dialogs& dialogs)
    : state_(state)
    , dialogs_(dialogs)
{
}

void ProfileEdits::Apply(const std::function<void(Profile&)>& change)
{
    Profile edited = *state_.currentProfile;
    change(edited);
    if (!state_.history.Record(edited))
        return;
    state_.currentProfile = std::move(edited);
    state_.SetModified(!state_.history.AtSavedState());
}

int ProfileEdits::ChooseTeam(Side side, int team)
{
    // The message and the team put in place of the refused one are one step.
    Apply([&](Profile& profile) {
        const int otherTeam = SettingsOf(profile, OtherSide(side)).team;
        if (team == otherTeam) {
            dialogs_.ShowApplicationMessage(
                std::string(Messages::kTeamsMustDiffer), MessageButtons::Ok);
            team = otherTeam == 0 ? 1 : 0;
        }
        SettingsOf(profile, side).team = team;
    });
    return team;
}

void ProfileEdits::SetKit(Side side, int kitSlot, bool allowed)
{
    Apply([&](Profile& profile) {
        SettingsOf(profile, side).kits[Index(kitSlot)] = FlagOf(allowed);
    });
}

void ProfileEdits::SetClassKits(Side side, int kitClass, std::optional<bool> allowed)
{
    if (!allowed)
        return;
    const GameCatalog::KitClass& row = GameCatalog::kitClasses[Index(kitClass)];
    Apply([&](Profile& profile) {
        TeamSettings& settings = SettingsOf(profile, side);
        settings.kits[Index(row.primarySlot)] = FlagOf(*allowed);
        settings.kits[Index(row.secondarySlot)] = FlagOf(*allowed);
    });
}

void ProfileEdits::SetWeapon(Side side, int weaponSlot, bool allowed)
{
    Apply([&](Profile& profile) {
        SettingsOf(profile, side).weapons[Index(weaponSlot)] = FlagOf(allowed);
    });
}

void ProfileEdits::ChooseSubstitute(int vehicle, int substitute)
{
    Apply([&](Profile& profile) { profile.vehicles[Index(vehicle)].alternative = substitute; });
}

void ProfileEdits::ResetSubstitutes()
{
    Apply([](Profile& profile) {
        for (std::size_t vehicle = 0; vehicle < profile.vehicles.size(); ++vehicle)
            profile.vehicles[vehicle].alternative = static_cast<int>(vehicle);
    });
}

bool ProfileEdits::Undo()
{
    const std::optional<Profile> previous = state_.history.Undo();
    ShowPresent(previous);
    return previous.has_value();
}

bool ProfileEdits::Redo()
{
    const std::optional<Profile> next = state_.history.Redo();
    ShowPresent(next);
    return next.has_value();
}

void ProfileEdits::ShowPresent(const std::optional<Profile>& present)
{
    if (!present)
        return;
    state_.currentProfile = *present;
    state_.view.ShowProfile(*state_.currentProfile);
    state_.SetModified(!state_.history.AtSavedState());
}
