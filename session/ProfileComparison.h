#pragma once

// Every setting in which one profile differs from another, named as the
// window names its controls and with both values in words: "Red Team: NVA /
// Viet Cong", "Blue Team, Scout kit, secondary: allowed / not allowed",
// "Substitute for M-113: M-113 / Patton". The window's compare window and
// quavel-cli's diff show the same lines; each difference also carries its
// key and both values as set spells them, for scripts.

#include "session/ProfileSettings.h"

#include <string>
#include <vector>

struct SettingDifference {
    KeyedSetting first;
    KeyedSetting second;

    // "Red Team: NVA / Viet Cong".
    std::string Text() const;
};

// In the order of ProfileSettings; empty when the profiles hold the same settings.
std::vector<SettingDifference> CompareProfiles(const Profile& first, const Profile& second);

// One line per difference, or "No differences".
std::vector<std::string> ComparisonLines(const std::vector<SettingDifference>& differences);
