#pragma once

// A profile as a person reads it (a table laid out like the window: teams,
// kits per class, weapon slots, vehicle substitutes grouped Land, Sea, Air)
// and as a script reads it: JSON whose "settings" are keyed by set's keys, or
// the KEY=VALUE lines set accepts.

#include "profile/Profile.h"

#include <ostream>

void WriteProfileTable(const Profile& profile, std::ostream& out);
void WriteProfileJson(const Profile& profile, std::ostream& out);
// One line per setting; a substitute the game does not know is left out, as
// no assignment can name it.
void WriteProfileAssignments(const Profile& profile, std::ostream& out);
