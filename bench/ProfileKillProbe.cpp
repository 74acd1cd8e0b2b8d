// profile_kill_probe [kills] [longest pause in microseconds]: kills a process
// that saves, creates and exports profiles at random moments and prints what
// the kills left behind (see KillRounds.h).
// profile_kill_probe --set [kills] [profile bytes] [quavel-cli, by default the
// one built with it]: kills "quavel-cli set" on
// a profile written in place: hard-linked, and (as root) another user's file
// in a group folder, saved by a member of the group.

#include "bench/KillRounds.h"

#include <unistd.h>

#include <cstdio>
#include <random>
#include <string>
#include <string_view>

namespace {

struct InPlaceCaseName {
    InPlaceCase inPlaceCase;
    const char* name;
};

constexpr InPlaceCaseName kInPlaceCases[] = {
    {InPlaceCase::HardLinked, "hard-linked profile"},
    {InPlaceCase::GroupMember, "group member on another user's file"},
};

std::filesystem::path FreshFolder()
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path()
        / ("quavel-kill-" + std::to_string(std::random_device{}()));
    std::filesystem::create_directory(folder);
    return folder;
}

void Print(const char* what, const KillFigures& figures)
{
    std::printf("%s: kills %d, half-written %d, broken profiles %d, "
                "temporaries and copies left after the next command %d\n",
        what, figures.kills, figures.halfWritten, figures.brokenProfiles, figures.leftBehind);
}

void ProbeSet(int kills, std::size_t profileBytes, const std::filesystem::path& tool)
{
    for (const auto& [inPlaceCase, name] : kInPlaceCases) {
        if (inPlaceCase == InPlaceCase::GroupMember && ::geteuid() != 0) {
            std::printf("%s: skipped, needs root to act as a second user\n", name);
            continue;
        }
        const std::filesystem::path folder = FreshFolder();
        const KillFigures figures = RunToolKillRounds(
            folder, {tool, inPlaceCase, profileBytes}, kills, std::random_device{}());
        std::filesystem::remove_all(folder);
        Print(name, figures);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::string_view(argv[1]) == "--set") {
        ProbeSet(argc > 2 ? std::stoi(argv[2]) : 300, argc > 3 ? std::stoul(argv[3]) : 12600 * 1000,
            argc > 4 ? argv[4] : QUAVEL_CLI_PATH);
        return 0;
    }
    const int kills = argc > 1 ? std::stoi(argv[1]) : 300;
    const int maxPause = argc > 2 ? std::stoi(argv[2]) : 20000;
    const std::filesystem::path folder = FreshFolder();
    const KillFigures figures = RunKillRounds(folder, kills, maxPause, std::random_device{}());
    std::filesystem::remove_all(folder);
    Print("store writer", figures);
    return 0;
}
