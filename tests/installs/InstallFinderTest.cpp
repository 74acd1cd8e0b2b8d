#include "installs/InstallFinder.h"
#include "installs/GameDir.h"
#include "tests/support/FakeWinePrefix.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cerrno>
#include <functional>
#include <vector>

namespace fs = std::filesystem;

// The game's GAMEDIR is C:\BFV unless a case gives another; setUp puts what
// is there before into drive_c.
TEST(FindInstall, FindsOrCreatesTheSettingsFolderInTheSpellingOfWhatExists)
{
    using SetUp = std::function<void(const FakeWinePrefix&)>;
    const auto folders = [](const char* path) {
        return [=](const FakeWinePrefix& fake) { fs::create_directories(fake.DriveC() / path); };
    };
    const auto file = [](const char* path) {
        return [=](const FakeWinePrefix& fake) {
            fs::create_directories((fake.DriveC() / path).parent_path());
            fake.Write(fs::path("drive_c") / path, "<published/>");
        };
    };
    struct Case {
        const char* name;
        const char* gameDir;
        SetUp setUp;
        int createError;  // reported to the user or not
        bool reported;
        fs::path publish;  // on drive C
    };
    const std::vector<Case> cases = {
        {"no separator added or removed", "C:\\BFV\\", [](auto&) {}, 0, false,
            "BFV/Mods/bfvietnam/save/GameModeSettings/CustomCombat.wst"},
        {"missing folders in the game's spelling", "C:\\Games\\BFV", folders("Games/BFV/mods"), 0,
            false, "Games/BFV/mods/bfvietnam/save/GameModeSettings/CustomCombat.wst"},
        {"folders and file spelt in another case", "C:\\GAMES\\bfv",
            file("Games/BFV/mods/BFVietnam/SAVE/gamemodesettings/customcombat.WST"), 0, false,
            "Games/BFV/mods/BFVietnam/SAVE/gamemodesettings/customcombat.WST"},
        {"a file in the middle of the path", "C:\\BFV", file("BFV/Mods/bfvietnam"), ENOTDIR, true,
            "BFV/Mods/bfvietnam/save/GameModeSettings/CustomCombat.wst"},
        {"a link that loops", "C:\\BFV",
            [](auto& fake) { fs::create_directory_symlink("BFV", fake.DriveC() / "BFV"); }, ELOOP,
            true, "BFV/Mods/bfvietnam/save/GameModeSettings/CustomCombat.wst"},
        {"a file where the settings folder should be", "C:\\BFV",
            file("BFV/Mods/bfvietnam/save/GameModeSettings"), EEXIST, false,
            "BFV/Mods/bfvietnam/save/GameModeSettings/CustomCombat.wst"},
        {"a folder it may not write in", "C:\\BFV",
            [](auto& fake) {
                fs::create_directory(fake.DriveC() / "BFV");
                fs::permissions(fake.DriveC() / "BFV", fs::perms(0555));
            },
            EACCES, false, "BFV/Mods/bfvietnam/save/GameModeSettings/CustomCombat.wst"},
    };
    for (const Case& test : cases) {
        if (test.createError == EACCES && geteuid() == 0)
            continue;  // permission bits do not stop root
        const FakeWinePrefix fake;
        fake.WriteRegistry(InstallsRegistryText(std::nullopt, test.gameDir));
        test.setUp(fake);
        for (int attempt = 0; attempt < 2; ++attempt) {  // the second finds what the first made
            const InstallLocation install = FindInstall(fake.prefix(), kGameKeyPath);
            EXPECT_TRUE(install.found) << test.name;
            EXPECT_EQ(install.windowsFolder, test.gameDir) << test.name;
            EXPECT_EQ(install.createError, test.createError) << test.name;
            EXPECT_EQ(IsReportedCreateError(install.createError), test.reported) << test.name;
            EXPECT_EQ(install.publishPath, fake.ThroughDriveC(test.publish)) << test.name;
        }
        if (test.createError != 0)
            continue;
        // One spelling of every folder, and nothing added beside a published file.
        fs::path folder = "drive_c";
        for (const fs::path& component : test.publish.parent_path()) {
            EXPECT_EQ(fake.Entries(folder), std::set<std::string>{component.string()}) << test.name;
            folder /= component;
        }
        EXPECT_EQ(
            fake.Entries(folder).size(), test.publish.filename() == "CustomCombat.wst" ? 0u : 1u)
            << test.name;
    }
}
