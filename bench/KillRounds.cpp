#include "bench/KillRounds.h"

#include "profile/DefaultDocument.h"
#include "profile/ProfileStore.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <random>

namespace fs = std::filesystem;

namespace {

[[noreturn]] void WriteForever(const fs::path& folder)
{
    ProfileStore store(folder);
    std::optional<Profile> profile = store.LoadProfile("CustomCombat");
    if (!profile)
        ::_exit(1);
    for (Flag flag = 0;; flag ^= 1) {
        profile->red.kits[0] = flag;
        store.SaveProfile(*profile);
        store.CreateProfileFile("New");
        store.ExportProfile(*profile, folder / "server" / "CustomCombat.wst");
        fs::remove(folder / "New.wst");
    }
}

int BrokenProfiles(const fs::path& folder)
{
    int broken = 0;
    for (const fs::path& file :
        {folder / "CustomCombat.wst", folder / "New.wst", folder / "server" / "CustomCombat.wst"}) {
        ProfileStore store(file.parent_path());
        if (fs::exists(file) && !store.LoadProfile(file.stem().string()))
            ++broken;
    }
    return broken;
}

int Temporaries(const fs::path& folder)
{
    int count = 0;
    for (const fs::path& searched : {folder, folder / "server"}) {
        for (const auto& entry : fs::directory_iterator(searched))
            count += entry.path().filename().string().starts_with(".quavel-") ? 1 : 0;
    }
    return count;
}

}  // namespace

KillFigures RunKillRounds(const fs::path& folder, int kills, int maxPauseMicroseconds, unsigned seed)
{
    // Written without the store, so that this process has not yet looked for
    // leftovers in the folder when it makes the last write.
    fs::create_directory(folder / "server");
    for (const char* name : {"Default.wst", "CustomCombat.wst", "server/CustomCombat.wst"})
        std::ofstream(folder / name, std::ios::binary) << DefaultDocument();
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> pause(0, maxPauseMicroseconds);
    KillFigures figures;
    for (; figures.kills < kills; ++figures.kills) {
        const pid_t writer = ::fork();
        if (writer == 0)
            WriteForever(folder);
        ::usleep(static_cast<useconds_t>(pause(random)));
        ::kill(writer, SIGKILL);
        ::waitpid(writer, nullptr, 0);
        figures.brokenProfiles += BrokenProfiles(folder);
    }
    for (const fs::path& written : {folder, folder / "server"}) {
        ProfileStore store(written);
        if (const std::optional<Profile> profile = store.LoadProfile("CustomCombat"))
            store.SaveProfile(*profile);
    }
    figures.temporariesLeft = Temporaries(folder);
    return figures;
}
