#pragma once

// The two sides of a battle as the window shows them: red in the left column,
// blue in the right one, each with the team settings of the profile it edits.

#include "profile/Profile.h"
#include "session/Side.h"

#include <array>
#include <string_view>

struct SideEntry {
    Side side;
    std::string_view key;      // as keys and JSON name it
    std::string_view caption;  // as tables head it
    TeamSettings Profile::*settings;
};

inline constexpr std::array<SideEntry, 2> sides{{
    {Side::Red, "red", "Red", &Profile::red},
    {Side::Blue, "blue", "Blue", &Profile::blue},
}};
