#pragma once

// Kills processes that write profiles at random moments and looks at what they
// left: every profile file must be complete, and after the next command no
// temporary file or recovery copy may remain.
//
// RunKillRounds kills a process of its own that loops over the four kinds of
// write: saving a profile over its file by renaming, saving a hard-linked
// profile in place, creating a new profile, exporting a copy.
// RunToolKillRounds kills the real "quavel-cli set" while it saves a large
// profile in place, then runs "quavel-cli check" on it as the next command.

#include <sys/types.h>

#include <cstddef>
#include <filesystem>
#include <optional>

struct KillFigures {
    int kills = 0;
    // Files that did not load as the kill left them; for the tool, that held
    // neither the old nor the new bytes.
    int halfWritten = 0;
    int brokenProfiles = 0;  // files that still did not load for the next reader
    int leftBehind = 0;      // temporaries and recovery copies after the next write or command
};

// folder: an empty folder; its content is set up and left behind. The pauses
// before each kill are random up to maxPauseMicroseconds.
KillFigures RunKillRounds(
    const std::filesystem::path& folder, int kills, int maxPauseMicroseconds, unsigned seed);

// Who runs quavel-cli: this user on a profile with a second hard link, or a
// member of the folder's group on a file that another user (this one, root)
// owns, which a rename would give to the member.
enum class InPlaceCase { HardLinked, GroupMember };

struct ToolKillSetUp {
    std::filesystem::path tool;  // quavel-cli
    InPlaceCase inPlaceCase = InPlaceCase::HardLinked;
    std::size_t profileBytes = 0;  // the profile is padded to about this size
    uid_t member = 65534;          // GroupMember: nobody, in the group nogroup
    gid_t group = 65534;
};

// The pauses are random up to the length of one unkilled run of the tool.
KillFigures RunToolKillRounds(
    const std::filesystem::path& folder, const ToolKillSetUp& setUp, int kills, unsigned seed);
