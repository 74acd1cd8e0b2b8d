#pragma once

// What each setting of a profile is called: after the side's heading ("Red
// Team, Scout kit, secondary", "Blue Team, weapon slot 3") or after the
// vehicle it stands in for ("Substitute for BM-21"). The window's screen
// reader names its controls so, and a comparison of two profiles names the
// settings that differ the same way in the window and in quavel-cli.

#include "session/Side.h"

#include <string>
#include <string_view>

enum class KitColumn { Primary, Secondary };

// "Red Team", as the side's heading and its team drop-down are called.
std::string_view SideName(Side side);
// "Red Team, Scout": the class box.
std::string ClassName(Side side, int kitClass);
// "Red Team, Scout kit, secondary".
std::string KitName(Side side, int kitClass, KitColumn column);
// "Red Team, weapon slot 3" for slot 2 (slots count from 0).
std::string WeaponSlotName(Side side, int slot);
// "Substitute for BM-21": the drop-down of the catalog's vehicle.
std::string SubstituteName(int vehicle);
