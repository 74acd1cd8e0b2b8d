#pragma once

// The KEY=VALUE grammar of the set command, read and written. Every key names one setting the
// window offers: a side's team, a class's kits, a weapon slot, a vehicle's
// substitute, or all substitutes at once. Keys and names compare as
// CatalogNames does, so "red.kit.Anti-Tank=OFF" and "vehicle.t54=UAZ" work.

#include "profile/Profile.h"
#include "session/ProfileSettings.h"

#include <string>
#include <string_view>
#include <variant>

struct Assignment {
    const Setting* setting = nullptr;
    int value = 0;  // a team index, a flag, or a vehicle index
};

// The assignment, or a message that says what is wrong, suggests the nearest
// valid key or value and lists what is valid.
std::variant<Assignment, std::string> ParseAssignment(std::string_view text);

void ApplyAssignment(const Assignment& assignment, Profile& profile);

// The keys and values set accepts, as its help shows them.
std::string AssignmentHelp();
