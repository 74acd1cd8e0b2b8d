#pragma once

// Kills a process that writes profiles at random moments and looks at what it
// left: every profile file must be complete, and after the next write no
// temporary file may remain. The writer loops over the three kinds of write:
// saving a profile over its file, creating a new profile, exporting a copy.

#include <filesystem>

struct KillFigures {
    int kills = 0;
    int brokenProfiles = 0;     // files that no longer load, summed over the kills
    int temporariesLeft = 0;    // after the next write, at the end
};

// folder: an empty folder; its content is set up and left behind. The pauses
// before each kill are random up to maxPauseMicroseconds.
KillFigures RunKillRounds(
    const std::filesystem::path& folder, int kills, int maxPauseMicroseconds, unsigned seed);
