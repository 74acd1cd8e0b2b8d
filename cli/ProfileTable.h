#pragma once

// A profile as a person reads it (a table laid out like the window: teams,
// kits per class, weapon slots, vehicle substitutes grouped Land, Sea, Air)
// and as a script reads it (JSON with fixed keys: the set command's names for
// sides and classes, the document's names for vehicles).

#include "profile/Profile.h"

#include <ostream>

void WriteProfileTable(const Profile& profile, std::ostream& out);
void WriteProfileJson(const Profile& profile, std::ostream& out);
