#include "installs/GameDir.h"
#include "installs/InstallFinder.h"
#include "tests/support/FakeWinePrefix.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cerrno>
#include <functional>
#include <tuple>
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
        for (int attempt = 0; attempt < 2; ++attempt) {  // the second finds what the first made
            const InstallLocation install = FindInstall(fake.prefix(), test.keyPath);
            EXPECT_TRUE(install.found) << test.name;
            EXPECT_EQ(install.windowsFolder, test.gameDir) << test.name;
            EXPECT_EQ(install.createError, 0) << test.name;
            EXPECT_EQ(install.settingsFolder, fake.ThroughDriveC(test.settings)) << test.name;
            EXPECT_EQ(install.publishPath, fake.ThroughDriveC(publish)) << test.name;
        }
        // One spelling of every folder, and nothing added beside the published file.
        fs::path folder = "drive_c";
        for (const fs::path& component : test.settings) {
            EXPECT_EQ(fake.Entries(folder), std::set<std::string>{component.string()}) << test.name;
            folder /= component;
        }
        EXPECT_EQ(fake.Entries(folder).size(), test.published.empty() ? 0u : 1u) << test.name;
    }
}

TEST(FindInstall, ReturnsTheErrnoOfAFailedCreation)
{
    const auto fileAt = [](const fs::path& relative) {
        return [relative](const FakeWinePrefix& fake) {
            fs::create_directories((fake / "drive_c/BFV" / relative).parent_path());
            fake.Write("drive_c/BFV" / relative, "");
        };
    };
    const std::vector<std::tuple<const char*, std::function<void(const FakeWinePrefix&)>, int, bool>>
        cases = {
            // name, what stands in the way, errno, whether the user is told
            {"a file in the middle of the path", fileAt("Mods/bfvietnam"), ENOTDIR, true},
            {"a link that loops",
                [](const FakeWinePrefix& fake) {
                    fs::create_directory_symlink("BFV", fake / "drive_c/BFV");
                },
                ELOOP, true},
            {"a file where the settings folder should be", fileAt(kSettings), EEXIST, false},
            {"a folder it may not write in",
                [](const FakeWinePrefix& fake) {
                    fs::create_directory(fake / "drive_c/BFV");
                    fs::permissions(fake / "drive_c/BFV", fs::perms(0555));
                },
                EACCES, false},
        };
    for (const auto& [name, blockCreation, error, reported] : cases) {
        if (error == EACCES && geteuid() == 0)
            continue;  // permission bits do not stop root
        const FakeWinePrefix fake;
        fake.WriteRegistry(InstallsRegistryText(std::nullopt, "C:\\BFV"));
        blockCreation(fake);
        const InstallLocation game = FindInstall(fake.prefix(), kGameKeyPath);
        EXPECT_TRUE(game.found) << name;
        EXPECT_EQ(game.createError, error) << name;
        EXPECT_EQ(IsReportedCreateError(game.createError), reported) << name;
        EXPECT_EQ(game.publishPath, fake.ThroughDriveC("BFV" / kSettings / "CustomCombat.wst"))
            << name;
    }
}
