#include "installs/InstallFinder.h"
#include "installs/GameDir.h"
#include "tests/support/FakeWinePrefix.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cerrno>
#include <functional>
#include <vector>

namespace fs = std::filesystem;

// Each case puts a file or folder into drive_c first, or changes it as setUp says.
TEST(FindInstall, FindsOrCreatesTheSettingsFolderInTheSpellingOfWhatExists)
{
    static const fs::path kUsual = "BFV/Mods/bfvietnam/save/GameModeSettings/CustomCombat.wst";
    struct Case {
        const char* name;
        const char* gameDir;
        const char* file;  // or folder, ending in a slash
        std::function<void(const fs::path& driveC)> setUp;
        int createError;  // reported to the user or not
        bool reported;
        fs::path publish = kUsual;  // on drive C
    };
    const std::vector<Case> cases = {
        {"no separator added or removed", "C:\\BFV\\", "", {}, 0, false},
        {"missing folders in the game's spelling", "C:\\Games\\BFV", "Games/BFV/mods/", {}, 0,
            false, "Games/BFV/mods/bfvietnam/save/GameModeSettings/CustomCombat.wst"},
        {"folders and file spelt in another case", "C:\\GAMES\\bfv",
            "Games/BFV/mods/BFVietnam/SAVE/gamemodesettings/customcombat.WST", {}, 0, false,
            "Games/BFV/mods/BFVietnam/SAVE/gamemodesettings/customcombat.WST"},
        {"a file in the middle of the path", "C:\\BFV", "BFV/Mods/bfvietnam", {}, ENOTDIR, true},
        {"a link that loops", "C:\\BFV", "",
            [](const fs::path& driveC) { fs::create_directory_symlink("BFV", driveC / "BFV"); },
            ELOOP, true},
        {"a file where the settings folder should be", "C:\\BFV",
            "BFV/Mods/bfvietnam/save/GameModeSettings", {}, EEXIST, false},
        {"a folder it may not write in", "C:\\BFV", "BFV/",
            [](const fs::path& driveC) { fs::permissions(driveC / "BFV", fs::perms(0555)); },
            EACCES, false},
    };
    for (const Case& test : cases) {
        if (test.createError == EACCES && geteuid() == 0)
            continue;  // permission bits do not stop root
        const FakeWinePrefix fake;
        fake.WriteRegistry(InstallsRegistryText(std::nullopt, test.gameDir));
        const fs::path file = fake.DriveC() / test.file;
        fs::create_directories(file.parent_path());
        if (!file.has_filename())
            fs::create_directories(file);
        else
            fake.Write(file, "<published/>");
        if (test.setUp)
            test.setUp(fake.DriveC());
        for (int attempt = 0; attempt < 2; ++attempt) {  // the second finds what the first made
            const InstallLocation install = FindInstall(fake.prefix(), kGameKeyPath);
            EXPECT_TRUE(install.found) << test.name;
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
        for (const std::string& entry : fake.Entries(folder))
            EXPECT_EQ(entry, test.publish.filename()) << test.name;
    }
}
