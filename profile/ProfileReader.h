#pragma once

// Reads a profile's values out of a .wst document. A document that lacks
// gameMode, activeTeams, one of the two active team elements or any element the
// profile needs is refused with a message naming what is missing.

#include "profile/Profile.h"
#include "profile/XmlDocument.h"

#include <optional>
#include <string>
#include <string_view>

// The profile named name, or none with the reason in error ("No gameMode tag
// found!", "No activeTeams found!", "No blueTeam tag found!", "No NVA_Scout tag
// found!", ...). Never raises XmlError.
std::optional<Profile> ReadProfile(
    const XmlDocument& document, std::string_view name, std::string& error);
