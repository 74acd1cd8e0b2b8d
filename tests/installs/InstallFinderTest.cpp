#include "installs/InstallFinder.h"
#include "FakePrefix.h"
#include "installs/GameDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <functional>
#include <unistd.h>
#include <vector>

namespace {

const std::filesystem::path kSettingsPath = "Mods/bfvietnam/save/GameModeSettings";

// A 64-bit prefix whose game (32-bit view) is in gameDir and whose server is in serverDir.
void WriteInstalls(const FakePrefix& fake, std::string_view gameDir, std::string_view serverDir)
{
    fake.WriteRegistry(WineRegistryText(
        "[Software\\\\Wow6432Node\\\\EA GAMES\\\\Battlefield Vietnam] 1\n\"GAMEDIR\"=\""
            + std::string(gameDir)
            + "\"\n\n[Software\\\\EA GAMES\\\\Battlefield Vietnam Server] 1\n\"GAMEDIR\"=\""
            + std::string(serverDir) + "\"\n",
        Architecture::Win64));
}

std::vector<std::string> EntryNames(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    return names;
}

}  // namespace

TEST(FindInstall, FindsBothInstallsAndCreatesTheirSettingsFolders)
{
    const FakePrefix fake;
    std::filesystem::create_directories(fake.DriveC() / "Games" / "BFV");
    WriteInstalls(fake, R"(C:\\Games\\BFV)", R"(C:\\BFV Server\\)");

    const InstallLocation game = FindInstall(fake.prefix(), kGameKeyPath);
    EXPECT_TRUE(game.found);
    EXPECT_EQ(game.windowsFolder, "C:\\Games\\BFV");
    EXPECT_EQ(game.settingsFolder, fake.ThroughDriveC("Games/BFV" / kSettingsPath));
    EXPECT_EQ(
        game.publishPath, fake.ThroughDriveC("Games/BFV" / kSettingsPath / "CustomCombat.wst"));
    EXPECT_EQ(game.createError, 0);
    EXPECT_TRUE(std::filesystem::is_directory(fake.DriveC() / "Games/BFV" / kSettingsPath));
    EXPECT_EQ(game.SettingsFolderText(), game.settingsFolder.string());

    const InstallLocation server = FindInstall(fake.prefix(), kServerKeyPath);
    EXPECT_TRUE(server.found);
    EXPECT_EQ(server.windowsFolder, "C:\\BFV Server\\");
    EXPECT_EQ(server.settingsFolder, fake.ThroughDriveC("BFV Server" / kSettingsPath));
    EXPECT_EQ(server.createError, 0);
    EXPECT_TRUE(std::filesystem::is_directory(fake.DriveC() / "BFV Server" / kSettingsPath));
    EXPECT_EQ(EntryNames(fake.DriveC() / "BFV Server" / kSettingsPath), std::vector<std::string>{});
}

TEST(FindInstall, LeavesExistingSettingsFoldersAsTheyAre)
{
    const FakePrefix fake;
    WriteInstalls(fake, R"(C:\\Games\\BFV)", R"(C:\\Server)");
    const std::filesystem::path settings = fake.DriveC() / "Games/BFV" / kSettingsPath;
    std::filesystem::create_directories(settings);
    WriteFileBytes(settings / "CustomCombat.wst", "<published/>");

    for (int attempt = 0; attempt < 2; ++attempt)
        EXPECT_EQ(FindInstall(fake.prefix(), kGameKeyPath).createError, 0);
    EXPECT_EQ(ReadFileBytes(settings / "CustomCombat.wst"), "<published/>");
    EXPECT_EQ(EntryNames(settings), std::vector<std::string>{"CustomCombat.wst"});
}

TEST(FindInstall, ReusesFoldersAndFilesSpeltInAnotherCase)
{
    const FakePrefix fake;
    WriteInstalls(fake, R"(C:\\GAMES\\bfv)", R"(C:\\Server)");
    const std::filesystem::path existing = fake.DriveC() / "Games" / "BFV" / "mods" / "BFVietnam";
    std::filesystem::create_directories(existing / "SAVE" / "gamemodesettings");
    WriteFileBytes(existing / "SAVE" / "gamemodesettings" / "customcombat.WST", "<published/>");

    const InstallLocation game = FindInstall(fake.prefix(), kGameKeyPath);
    EXPECT_EQ(game.createError, 0);
    EXPECT_EQ(
        game.settingsFolder, fake.ThroughDriveC("Games/BFV/mods/BFVietnam/SAVE/gamemodesettings"));
    EXPECT_EQ(game.publishPath,
        fake.ThroughDriveC("Games/BFV/mods/BFVietnam/SAVE/gamemodesettings/customcombat.WST"));
    EXPECT_EQ(EntryNames(fake.DriveC() / "Games"), std::vector<std::string>{"BFV"});
    EXPECT_EQ(EntryNames(fake.DriveC() / "Games" / "BFV"), std::vector<std::string>{"mods"});
    EXPECT_EQ(EntryNames(existing), std::vector<std::string>{"SAVE"});
}

TEST(FindInstall, CreatesMissingFoldersWithTheGamesSpelling)
{
    const FakePrefix fake;
    WriteInstalls(fake, R"(C:\\Games\\BFV)", R"(C:\\Server)");
    std::filesystem::create_directories(fake.DriveC() / "Games" / "BFV" / "mods");

    const InstallLocation game = FindInstall(fake.prefix(), kGameKeyPath);
    EXPECT_EQ(game.createError, 0);
    EXPECT_EQ(
        game.settingsFolder, fake.ThroughDriveC("Games/BFV/mods/bfvietnam/save/GameModeSettings"));
    EXPECT_TRUE(std::filesystem::is_directory(
        fake.DriveC() / "Games/BFV/mods/bfvietnam/save/GameModeSettings"));
}

TEST(FindInstall, FindsNothingWithoutAUsableValue)
{
    const FakePrefix fake;
    fake.WriteRegistry(ReadFileBytes(QUAVEL_TEST_DATA "/system.reg.excerpt"));
    const InstallLocation server = FindInstall(fake.prefix(), kServerKeyPath);
    EXPECT_FALSE(server.found);
    EXPECT_EQ(server.windowsFolder, "");
    EXPECT_EQ(server.settingsFolder, std::filesystem::path());
    EXPECT_EQ(server.publishPath, std::filesystem::path());
    EXPECT_EQ(server.createError, 0);
    EXPECT_EQ(EntryNames(fake.DriveC()), std::vector<std::string>{});
}

TEST(FindInstall, ReportsFoldersOnDrivesThePrefixLacksAsMissing)
{
    const FakePrefix fake;
    WriteInstalls(fake, R"(D:\\Spiele\\Schlachtfeld Vietnam \"\xc4\")", R"(BFV Server)");

    const InstallLocation game = FindInstall(fake.prefix(), kGameKeyPath);
    EXPECT_TRUE(game.found);
    EXPECT_EQ(game.createError, ENOENT);
    EXPECT_TRUE(IsReportedCreateError(game.createError));
    EXPECT_EQ(game.settingsFolder, std::filesystem::path());
    EXPECT_EQ(game.publishPath, std::filesystem::path());
    EXPECT_EQ(game.SettingsFolderText(),
        "D:\\Spiele\\Schlachtfeld Vietnam \"\xC3\x84\"\\Mods\\bfvietnam\\save\\GameModeSettings");

    const InstallLocation server = FindInstall(fake.prefix(), kServerKeyPath);
    EXPECT_TRUE(server.found);
    EXPECT_EQ(server.createError, ENOENT);
    EXPECT_EQ(server.SettingsFolderText(), "BFV Server\\Mods\\bfvietnam\\save\\GameModeSettings");
}

TEST(FindInstall, ReturnsTheErrnoOfAFailedCreation)
{
    struct Case {
        const char* name;
        std::function<void(const std::filesystem::path& install)> blockCreation;
        int expectedError;
        bool reported;
    };
    const std::vector<Case> cases = {
        {"a file where the install folder should be",
            [](const std::filesystem::path& install) { WriteFileBytes(install, "not a folder"); },
            ENOTDIR, true},
        {"a file in the middle of the settings path",
            [](const std::filesystem::path& install) {
                std::filesystem::create_directories(install / "Mods");
                WriteFileBytes(install / "Mods" / "bfvietnam", "");
            },
            ENOTDIR, true},
        {"a link that loops",
            [](const std::filesystem::path& install) {
                std::filesystem::create_directory_symlink("BFV", install);
            },
            ELOOP, true},
        {"a file where the settings folder should be",
            [](const std::filesystem::path& install) {
                std::filesystem::create_directories(install / "Mods" / "bfvietnam" / "save");
                WriteFileBytes(install / "Mods" / "bfvietnam" / "save" / "GameModeSettings", "");
            },
            EEXIST, false},
    };
    for (const Case& test : cases) {
        const FakePrefix fake;
        WriteInstalls(fake, R"(C:\\BFV)", R"(C:\\Server)");
        test.blockCreation(fake.DriveC() / "BFV");
        const InstallLocation game = FindInstall(fake.prefix(), kGameKeyPath);
        EXPECT_TRUE(game.found) << test.name;
        EXPECT_EQ(game.createError, test.expectedError) << test.name;
        EXPECT_EQ(IsReportedCreateError(game.createError), test.reported) << test.name;
        EXPECT_EQ(game.settingsFolder, fake.ThroughDriveC("BFV" / kSettingsPath)) << test.name;
        EXPECT_EQ(game.publishPath, fake.ThroughDriveC("BFV" / kSettingsPath / "CustomCombat.wst"))
            << test.name;
    }
}

TEST(FindInstall, PassesOverAFolderItMayNotWriteIn)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "permission bits do not stop root";
    const FakePrefix fake;
    WriteInstalls(fake, R"(C:\\BFV)", R"(C:\\Server)");
    std::filesystem::create_directory(fake.DriveC() / "BFV");
    std::filesystem::permissions(fake.DriveC() / "BFV", std::filesystem::perms::owner_write,
        std::filesystem::perm_options::remove);
    const InstallLocation game = FindInstall(fake.prefix(), kGameKeyPath);
    EXPECT_EQ(game.createError, EACCES);
    EXPECT_FALSE(IsReportedCreateError(game.createError));
}

TEST(IsReportedCreateError, ReportsOnlyBadOrMissingPaths)
{
    for (const int reported : {ENOENT, ENOTDIR, ENAMETOOLONG, EINVAL, ELOOP})
        EXPECT_TRUE(IsReportedCreateError(reported)) << reported;
    for (const int silent : {0, EACCES, EPERM, EEXIST, EROFS, ENOSPC, EDQUOT, EIO})
        EXPECT_FALSE(IsReportedCreateError(silent)) << silent;
}
