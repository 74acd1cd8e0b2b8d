// profile_kill_probe [kills] [longest pause in microseconds]: kills a process
// that saves, creates and exports profiles at random moments and prints what
// the kills left behind (see KillRounds.h).

#include "bench/KillRounds.h"

#include <cstdio>
#include <random>
#include <string>

int main(int argc, char** argv)
{
    const int kills = argc > 1 ? std::stoi(argv[1]) : 300;
    const int maxPause = argc > 2 ? std::stoi(argv[2]) : 20000;
    const std::filesystem::path folder = std::filesystem::temp_directory_path()
        / ("quavel-kill-" + std::to_string(std::random_device{}()));
    std::filesystem::create_directory(folder);
    const KillFigures figures = RunKillRounds(folder, kills, maxPause, std::random_device{}());
    std::filesystem::remove_all(folder);
    std::printf("kills %d, broken profiles %d, temporaries left after the next write %d\n",
        figures.kills, figures.brokenProfiles, figures.temporariesLeft);
    return 0;
}
