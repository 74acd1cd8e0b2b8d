#pragma once

// A profile as a person reads it (a table laid out like the window: teams,
// kits per class, weapon slots, vehicle substitutes grouped Land, Sea, Air)
// and as a script reads it: JSON whose "settings" are keyed by set's keys, or
// the KEY=VALUE lines set accepts.

#include "cli/Assignment.h"
#include "profile/Profile.h"

#include <ostream>

void WriteProfileTable(const Profile& profile, std::ostream& out);
void WriteProfileJson(const Profile& profile, std::ostream& out);
class JsonWriter;
// A setting's value in JSON: true or false, a name, or null for a substitute
// the game does not know.
void WriteSettingJson(const SettingValue& value, JsonWriter& json);
// One line per setting; a substitute the game does not know is left out, as
// no assignment can name it.
void WriteProfileAssignments(const Profile& profile, std::ostream& out);
