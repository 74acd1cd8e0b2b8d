#pragma once

// The two sides of a battle: the window's left column is the red side, its
// right column the blue side.

#include "profile/Profile.h"

#include <array>
#include <cstddef>

enum class Side { Red = 0, Blue = 1 };

inline constexpr std::array<Side, 2> bothSides{Side::Red, Side::Blue};

constexpr std::size_t SideIndex(Side side)
{
    return static_cast<std::size_t>(side);
}

inline TeamSettings& SettingsOf(Profile& profile, Side side)
{
    return side == Side::Red ? profile.red : profile.blue;
}

inline const TeamSettings& SettingsOf(const Profile& profile, Side side)
{
    return side == Side::Red ? profile.red : profile.blue;
}

constexpr Side OtherSide(Side side)
{
    return side == Side::Red ? Side::Blue : Side::Red;
}
