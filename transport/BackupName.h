#pragma once

// The name a replaced CustomCombat.wst is kept under, beside it:
// CustomCombat.wst.20250102-030405.bak at the publishing machine's local time;
// attempt 1 and on add "-1", "-2"... for a second that another backup took.

#include <ctime>
#include <string>
#include <string_view>

inline constexpr int kBackupNameAttempts = 100;

std::string BackupName(std::string_view fileName, std::time_t when, int attempt);
