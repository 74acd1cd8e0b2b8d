#include "session/ProfileEdits.h"

#include "session/Dialogs.h"
#include "session/EditorState.h"
#include "session/Messages.h"

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

Profile& ProfileEdits::Current()
{
    state_.SetModified(true);
    return *state_.currentProfile;
}

int ProfileEdits::ChooseTeam(Side side, int team)
{
    Profile& profile = Current();
    const int otherTeam = SettingsOf(profile, OtherSide(side)).team;
    if (team == otherTeam) {
        dialogs_.ShowApplicationMessage(
            std::string(Messages::kTeamsMustDiffer), MessageButtons::Ok);
        team = otherTeam == 0 ? 1 : 0;
    }
    SettingsOf(profile, side).team = team;
    return team;
}

void ProfileEdits::SetKit(Side side, int kitSlot, bool allowed)
{
    SettingsOf(Current(), side).kits[Index(kitSlot)] = FlagOf(allowed);
}

void ProfileEdits::SetClassKits(Side side, int kitClass, std::optional<bool> allowed)
{
    TeamSettings& settings = SettingsOf(Current(), side);
    if (!allowed)
        return;
    const GameCatalog::KitClass& row = GameCatalog::kitClasses[Index(kitClass)];
    settings.kits[Index(row.primarySlot)] = FlagOf(*allowed);
    settings.kits[Index(row.secondarySlot)] = FlagOf(*allowed);
}

void ProfileEdits::SetWeapon(Side side, int weaponSlot, bool allowed)
{
    SettingsOf(Current(), side).weapons[Index(weaponSlot)] = FlagOf(allowed);
}

void ProfileEdits::ChooseSubstitute(int vehicle, int substitute)
{
    Current().vehicles[Index(vehicle)].alternative = substitute;
}

void ProfileEdits::ResetSubstitutes()
{
    Profile& profile = Current();
    for (std::size_t vehicle = 0; vehicle < profile.vehicles.size(); ++vehicle)
        profile.vehicles[vehicle].alternative = static_cast<int>(vehicle);
}

void ProfileEdits::Apply(const std::function<void(Profile&)>& change)
{
    change(Current());
}
