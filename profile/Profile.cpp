#include "profile/Profile.h"

Profile BuiltInDefaultProfile()
{
    Profile profile;
    profile.name = kDefaultProfileName;
    profile.red.team = 0;
    profile.blue.team = 3;
    for (TeamSettings* side : {&profile.red, &profile.blue}) {
        side->kits.fill(1);
        side->weapons.fill(1);
    }
    for (int i = 0; i < GameCatalog::kVehicleCount; ++i)
        profile.vehicles[static_cast<std::size_t>(i)].alternative = i;
    return profile;
}
