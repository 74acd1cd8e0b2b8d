#include "installs/InstallFinder.h"
#include "installs/GameDir.h"
#include "tests/support/FakeWinePrefix.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <functional>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

const fs::path kSettings = "Mods/bfvietnam/save/GameModeSettings";

}  // namespace

TEST(FindInstall, FindsTheSettingsFolderInTheSpellingOfWhatExistsAndCreatesTheRest)
{
    struct Case {
        const char* name;
        std::string_view keyPath;
        const char* gameDir;
        fs::path existing;      // folders there before
        std::string published;  // a file in them, or none
        fs::path settings;      // the settings folder found or made
    };
    const std::vector<Case> cases = {
        {"server, no folder added or removed at the end", kServerKeyPath, "C:\\BFV Server\\", "",
            "", "BFV Server" / kSettings},
        {"game, missing folders in the game's spelling", kGameKeyPath, "C:\\Games\\BFV",
            "Games/BFV/mods", "", "Games/BFV/mods/bfvietnam/save/GameModeSettings"},
        {"existing settings folder", kGameKeyPath, "C:\\Games\\BFV", "Games/BFV" / kSettings,
            "CustomCombat.wst", "Games/BFV" / kSettings},
        {"folders and file spelt in another case", kGameKeyPath, "C:\\GAMES\\bfv",
            "Games/BFV/mods/BFVietnam/SAVE/gamemodesettings", "customcombat.WST",
            "Games/BFV/mods/BFVietnam/SAVE/gamemodesettings"},
    };
    for (const Case& test : cases) {
        const FakeWinePrefix fake;
        fake.WriteRegistry(InstallsRegistryText(test.gameDir, test.gameDir));
        fs::create_directories(fake.DriveC() / test.existing);
        if (!test.published.empty())
            fake.Write("drive_c" / test.existing / test.published, "<published/>");
        const fs::path publish
            = test.settings / (test.published.empty() ? "CustomCombat.wst" : test.published);
        for (int attempt = 0; attempt < 2; ++attempt) {
            const InstallLocation install = FindInstall(fake.prefix(), test.keyPath);
            EXPECT_TRUE(install.found) << test.name;
            EXPECT_EQ(install.windowsFolder, test.gameDir) << test.name;
            EXPECT_EQ(install.createError, 0) << test.name;
            EXPECT_EQ(install.settingsFolder, fake.ThroughDriveC(test.settings)) << test.name;
            EXPECT_EQ(install.SettingsFolderText(), install.settingsFolder.string()) << test.name;
            EXPECT_EQ(install.publishPath, fake.ThroughDriveC(publish)) << test.name;
        }
        // One spelling of every folder, and nothing added beside the published file.
        fs::path folder = "drive_c";
        for (const fs::path& component : test.settings) {
            EXPECT_EQ(fake.Entries(folder), std::set<std::string>{component.string()}) << test.name;
            folder /= component;
        }
        if (test.published.empty())
            EXPECT_EQ(fake.Entries(folder), std::set<std::string>{}) << test.name;
        else
            EXPECT_EQ(fake.Read("drive_c" / publish), "<published/>") << test.name;
    }
}

TEST(FindInstall, ReturnsTheErrnoOfAFailedCreation)
{
    struct Case {
        const char* name;
        std::function<void(const FakeWinePrefix& fake)> blockCreation;
        int expectedError;
        bool reported;
    };
    const std::vector<Case> cases = {
        {"a file in the middle of the settings path",
            [](const FakeWinePrefix& fake) {
                fs::create_directories(fake / "drive_c/BFV/Mods");
                fake.Write("drive_c/BFV/Mods/bfvietnam", "");
            },
            ENOTDIR, true},
        {"a link that loops",
            [](const FakeWinePrefix& fake) {
                fs::create_directory_symlink("BFV", fake / "drive_c/BFV");
            },
            ELOOP, true},
        {"a file where the settings folder should be",
            [](const FakeWinePrefix& fake) {
                fs::create_directories(fake / "drive_c/BFV/Mods/bfvietnam/save");
                fake.Write("drive_c/BFV" / kSettings, "");
            },
            EEXIST, false},
        {"a folder it may not write in",
            [](const FakeWinePrefix& fake) {
                fs::create_directory(fake / "drive_c/BFV");
                fs::permissions(
                    fake / "drive_c/BFV", fs::perms::owner_write, fs::perm_options::remove);
            },
            EACCES, false},
    };
    for (const Case& test : cases) {
        if (test.expectedError == EACCES && geteuid() == 0)
            continue;  // permission bits do not stop root
        const FakeWinePrefix fake;
        fake.WriteRegistry(InstallsRegistryText(std::nullopt, "C:\\BFV"));
        test.blockCreation(fake);
        const InstallLocation game = FindInstall(fake.prefix(), kGameKeyPath);
        EXPECT_TRUE(game.found) << test.name;
        EXPECT_EQ(game.createError, test.expectedError) << test.name;
        EXPECT_EQ(IsReportedCreateError(game.createError), test.reported) << test.name;
        EXPECT_EQ(game.settingsFolder, fake.ThroughDriveC("BFV" / kSettings)) << test.name;
        EXPECT_EQ(game.publishPath, fake.ThroughDriveC("BFV" / kSettings / "CustomCombat.wst"))
            << test.name;
    }
}
