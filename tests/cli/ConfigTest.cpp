#include "CliTest.h"

#include "profile/FolderLock.h"
#include "session/InstallChoices.h"

#include <string>

namespace {

const std::string kConfig = "~/.config/quavel/quavel.conf";

}  // namespace

// Three tools setting different keys at once take turns on the settings file's
// lock, so that none undoes another's change.
TEST_F(CliTest, ConfigSet_ThreeAtOnce_EveryKeyKept)
{
    for (int round = 0; round < 5; ++round) {
        std::filesystem::remove_all(root / "home/.config");
        const ToolResult result = RunAtOnce({{"config", "set", "installs.prefix", "/p"},
            {"config", "set", "installs.game", "/g"}, {"config", "set", "installs.server", "/s"}});
        ASSERT_EQ(result.exitCode, 0) << result.err;
        for (const std::string key : {"installs.prefix", "installs.game", "installs.server"})
            EXPECT_EQ(Run({"config", "get", key}).exitCode, 0) << "round " << round << ": " << key;
    }
}

TEST_F(CliTest, ConfigSet_SettingsLockedTooLong_FailsAndSaysSo)
{
    std::filesystem::create_directories(root / "home/.config/quavel");
    const FolderLock held(root / "home/.config/quavel");
    ASSERT_EQ(held.error(), 0);
    const ToolResult result = Run({"config", "set", "installs.game", "/g"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err,
        Said("Could not lock the settings file:\n{home}/.config/quavel/quavel.conf\nanother "
             "program holds its lock"));
    EXPECT_FALSE(std::filesystem::exists(root / "home/.config/quavel/quavel.conf"));
}

// A file edited by hand (CRLF, the key in two [installs] sections) changed by
// config set, then read by the search the window makes.
TEST_F(CliTest, ConfigSet_HandEditedFile_ReadBackByTheWindowsSearch)
{
    Write({{kConfig,
               "# mine\r\n[installs]\r\nserver = /old\r\n\r\n[server \"eu1\"]\r\nhost=x\r\n\r\n"
               "[installs]\r\nserver=/stale\r\n"},
        {"Server/hlds.exe", ""}});
    ASSERT_EQ(Run({"config", "set", "installs.server", "Server"}).exitCode, 0);
    EXPECT_EQ(Snapshot()[kConfig],
        "# mine\r\n[installs]\r\n\r\n[server \"eu1\"]\r\nhost=x\r\n\r\n[installs]\r\n"
        "server={cwd}/Server\r\n");

    const UserEnvironment environment{root / "home", "", ""};
    InstallChoices choices(InstallSearch{
        environment, ChosenFolders::Read(SettingsFile::PathFor(environment)), std::nullopt});
    EXPECT_EQ(choices.Find().Of(Product::Server).PublishPathOrReason(),
        (root / "work/Server/Mods/bfvietnam/save/GameModeSettings/CustomCombat.wst").string());
}
