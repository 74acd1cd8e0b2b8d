#pragma once

// Writes a profile's values into a .wst document in place: activeTeams, the kit
// and weapon flags of the two active teams, and each vehicle's alternative and
// changeType. Everything else in the document stays as loaded, and an attribute
// the document lacks is not added.

#include "profile/Profile.h"
#include "profile/XmlDocument.h"

// False, with the document unchanged, when it lacks an element the profile
// needs (or a team index names no catalog team).
bool WriteProfile(XmlDocument& document, const Profile& profile);
