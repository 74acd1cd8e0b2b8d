#pragma once

// Writes a profile's values into a .wst document in place: activeTeams, the kit
// and weapon flags of the two active teams, and each vehicle's alternative and
// changeType. Everything else in the document stays as loaded, and an attribute
// the document lacks is never added: a value that needs one is refused.

#include "profile/Profile.h"
#include "profile/XmlDocument.h"

#include <string>

// False, with the document unchanged, when it lacks an element the profile
// needs (or a team index names no catalog team).
bool WriteProfile(XmlDocument& document, const Profile& profile);
// The same, naming in missing what kept the profile out: "No NVA_Scout tag
// found!", "NVA_Scout has no enabled attribute", "NVA has no weapon slot #6".
// A value the document reads the same without (a kit or slot off, a substitute
// unchanged) needs no attribute.
bool WriteProfile(XmlDocument& document, const Profile& profile, std::string& missing);
