#include "CliTest.h"

#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <ctime>

namespace {

using ::testing::StartsWith;

const std::string kServerFile = SettingsFile("BFV Server");
const std::string kGameFile = SettingsFile("BFV");
// A profile that differs from the built-in one, so that a copy is recognisable.
const std::string kProfile = WithTeams("3/4");
const Files kServer{{"Server.wst", kProfile}};

Scenario Publish(std::string name, std::vector<std::string> options, Files files = kServer)
{
    options.insert(options.begin(), {"publish", "Server"});
    return Tool(std::move(name), std::move(options), std::move(files));
}

std::vector<Scenario> PublishScenarios()
{
    const std::string blocked = "{wine}/dosdevices/c:/Blocked/Mods/bfvietnam/save/GameModeSettings";
    const std::string help = "Run \"quavel-cli help publish\" for help.\n";
    return {
        Publish("ToServer_ReplacesWithoutBackup", {"--to", "server"},
            {{"Server.wst", kProfile}, {kServerFile, "before"}})
            .Prints("Published to: " + HostPath(kServerFile) + "\n")
            .Writes({{kServerFile, kProfile}}),
        Publish("ToBoth_BackupKeepsTheReplacedFiles", {"--to", "both", "--backup"},
            {{"Server.wst", kProfile}, {kServerFile, "server before"}, {kGameFile, "game before"}})
            .Prints("Kept a copy: " + HostPath(kServerFile) + ".TIME.bak\nPublished to: "
                + HostPath(kServerFile) + "\nKept a copy: " + HostPath(kGameFile)
                + ".TIME.bak\nPublished to: " + HostPath(kGameFile) + "\n")
            .Writes({{kServerFile, kProfile}, {kServerFile + ".TIME.bak", "server before"},
                {kGameFile, kProfile}, {kGameFile + ".TIME.bak", "game before"}}),
        // An empty WINEPREFIX is unset: Wine's own ~/.wine.
        Publish("ToGame_BackupOfNothingAndWinePrefixEmpty", {"--to", "game", "--backup"})
            .WithEnvironment({{"WINEPREFIX", ""}})
            .Prints("Published to: {home}/.wine/dosdevices/" + kGameFile + "\n")
            .Writes({{kGameFile, kProfile}}),
        Publish("BackupImpossible_TargetKept", {"--to", "server", "--backup"},
            {{"Server.wst", kProfile}, {kServerFile, std::string(kFolder)}})
            .Fails(1, "Could not keep a copy of:\n" + HostPath(kServerFile) + "\nError: 21\n"),
        Publish("FileInTheWay_CreateErrorThenPublishError", {"--to", "server"},
            {{"Server.wst", kProfile}, {"c:/Blocked", "a file, not a folder"}})
            .WithRegistry(InstallsRegistryText("C:\\Blocked", "C:\\Games\\BFV"))
            .Fails(1,
                "Could not create directory:\n" + blocked + "\nError Publishing to:\n" + blocked
                    + "/CustomCombat.wst\nError: 20\n"),
        // Both installs are looked up before a folder is created.
        Publish("InstallNotFound_NothingWritten", {"--to", "both"})
            .WithRegistry(InstallsRegistryText("C:\\Games\\BFV Server", "D:\\BFV"))
            .Fails(1,
                "Game install not found: the drive of D:\\BFV has no link in the Wine prefix's "
                "dosdevices folder.\n"),
        Publish("ToServer_RefusedWithCwdOnly", {"--cwd-only", "--to", "server"})
            .Fails(2, "With --cwd-only the only target is cwd.\n" + help),
        Publish("UnknownTarget_UsageError", {"--to", "Server"})
            .Fails(
                2, "Unknown target \"Server\". Valid targets: server, game, both, cwd.\n" + help),
        Publish("ToDir_ThatFolder", {"--to-dir", "{home}"})
            .Prints("Published to: {home}/CustomCombat.wst\n")
            .Writes({{"~/CustomCombat.wst", kProfile}}),
        Publish("ToAndToDir_UsageError", {"--to", "cwd", "--to-dir", "."})
            .Fails(2, "publish needs either --to TARGET or --to-dir DIR.\n" + help),
        Tool("DirectoryOption_WorksThereAndCwdOnlyAllowsCwd",
            {"-C", "sub", "publish", "Server", "--to", "cwd", "--cwd-only"},
            {{"sub/Server.wst", kProfile}})
            .Prints("Published to: {cwd}/sub/CustomCombat.wst\n")
            .Writes({{"sub/CustomCombat.wst", kProfile}}),
        Tool("DirectoryMissing_Fails", {"--directory=missing", "list"})
            .Fails(1, "quavel-cli: Cannot work in {cwd}/missing: No such file or directory\n"),
    };
}

}  // namespace

INSTANTIATE_TEST_SUITE_P(
    Publish, CliRun, ::testing::ValuesIn(PublishScenarios()), ::testing::PrintToStringParamName());

// A backup takes the mode and owner of the file it copies, and a name of its
// own even when backups of this very second (and the next two) exist already.
TEST_F(CliTest, Publish_Backup_KeepsModeOwnerAndEarlierBackups)
{
    const std::filesystem::path work = root / "work";
    Write({{"Server.wst", kProfile}, {"CustomCombat.wst", "before"}});
    ::chmod((work / "CustomCombat.wst").c_str(), 0600);
    const bool superuser = ::geteuid() == 0;  // then the file is another user's
    ASSERT_TRUE(!superuser || ::chown((work / "CustomCombat.wst").c_str(), 65534, 65534) == 0);
    for (std::time_t second = std::time(nullptr); second < std::time(nullptr) + 3; ++second) {
        std::array<char, 32> stamp{};
        std::strftime(stamp.data(), stamp.size(), "%Y%m%d-%H%M%S", std::localtime(&second));
        Write({{"CustomCombat.wst." + std::string(stamp.data()) + ".bak", "earlier"}});
    }
    const ToolResult result = Run({"publish", "Server", "--to", "cwd", "--backup"});
    EXPECT_THAT(result.out, StartsWith("Kept a copy: {cwd}/CustomCombat.wst.TIME-1.bak\n"));
    for (const auto& entry : std::filesystem::directory_iterator(work)) {
        const std::string name = entry.path().filename().string();
        struct stat status { };
        ASSERT_EQ(::stat(entry.path().c_str(), &status), 0);
        if (name.ends_with("-1.bak")) {
            EXPECT_EQ(FileBytes(entry), "before");
            EXPECT_EQ(status.st_mode & 07777, 0600U);
            EXPECT_EQ(status.st_uid, superuser ? 65534U : ::geteuid());
        } else if (name.ends_with(".bak")) {
            EXPECT_EQ(FileBytes(entry), "earlier") << name;
        }
    }
}
