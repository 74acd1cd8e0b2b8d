#include "CliTest.h"

namespace {

constexpr std::string_view kServerFolder = "C:\\Games\\BFV Server";
constexpr std::string_view kGameFolder = "C:\\Games\\BFV";

enum Destination { Server, Game, WorkingFolder };

struct TargetCase {
    const char* name;  // the --to value
    std::vector<Destination> destinations;
};

const std::vector<TargetCase> kTargetCases{
    {"server", {Server}},
    {"game", {Game}},
    {"both", {Server, Game}},
    {"cwd", {WorkingFolder}},
};

// Test names and failure messages show the case by its name.
void PrintTo(const TargetCase& testCase, std::ostream* out)
{
    *out << testCase.name;
}

// A profile that differs from the built-in one, so that a copy is recognisable.
std::string ServerProfile()
{
    return DefaultWith("activeTeams=\"3/0\"", "activeTeams=\"3/4\"");
}

class PublishTest : public CliTest {
protected:
    void SetUp() override
    {
        wine.WriteGameDirs(kServerFolder, kGameFolder);
        WriteProfile("Server", ServerProfile());
    }

    // The host path through which the tool reaches the destination.
    std::filesystem::path PathOf(Destination destination) const
    {
        const std::string file = std::string(kSettingsPath) + "/CustomCombat.wst";
        switch (destination) {
        case Server:
            return wine.OnDriveC("Games/BFV Server/" + file);
        case Game:
            return wine.OnDriveC("Games/BFV/" + file);
        case WorkingFolder:
            return folder / "CustomCombat.wst";
        }
        return {};
    }

    std::string PublishedLines(const std::vector<Destination>& destinations) const
    {
        std::string lines;
        for (const Destination destination : destinations)
            lines += "Published to: " + PathOf(destination).string() + "\n";
        return lines;
    }

    static std::string BackupOf(const std::filesystem::path& path)
    {
        return ReadFileOrMissing(path.string() + ".bak");
    }
};

class PublishTargetTest : public PublishTest, public ::testing::WithParamInterface<TargetCase> { };

}  // namespace

TEST_P(PublishTargetTest, CopiesTheSavedProfileToEachDestination)
{
    const ToolResult result = Run({"publish", "Server", "--to", GetParam().name});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out, PublishedLines(GetParam().destinations));
    for (const Destination destination : {Server, Game, WorkingFolder}) {
        const bool published = std::count(GetParam().destinations.begin(),
                                   GetParam().destinations.end(), destination)
            > 0;
        EXPECT_EQ(ReadFileOrMissing(PathOf(destination)), published ? ServerProfile() : "<missing>")
            << PathOf(destination);
        EXPECT_EQ(BackupOf(PathOf(destination)), "<missing>");
    }
    EXPECT_EQ(folder.Read("Server.wst"), ServerProfile());
}

TEST_P(PublishTargetTest, BackupKeepsEachReplacedFile)
{
    for (const Destination destination : GetParam().destinations) {
        std::filesystem::create_directories(PathOf(destination).parent_path());
        WriteFile(PathOf(destination), "published before");
    }
    const ToolResult result = Run({"publish", "Server", "--to", GetParam().name, "--backup"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    for (const Destination destination : GetParam().destinations) {
        EXPECT_EQ(ReadFileOrMissing(PathOf(destination)), ServerProfile());
        EXPECT_EQ(BackupOf(PathOf(destination)), "published before");
    }
}

TEST_P(PublishTargetTest, BackupWithoutAFileToReplace_KeepsNothing)
{
    EXPECT_EQ(Run({"publish", "Server", "--to", GetParam().name, "--backup"}).exitCode, 0);
    for (const Destination destination : GetParam().destinations)
        EXPECT_EQ(BackupOf(PathOf(destination)), "<missing>");
}

INSTANTIATE_TEST_SUITE_P(Publish, PublishTargetTest, ::testing::ValuesIn(kTargetCases), CaseName{});

TEST_F(PublishTest, Twice_ReplacesWithoutAsking)
{
    ASSERT_EQ(Run({"publish", "Server", "--to", "server"}).exitCode, 0);
    ASSERT_EQ(Run({"set", "Server", "red.team=ARVN"}).exitCode, 0);
    ASSERT_EQ(Run({"publish", "Server", "--to", "server"}).exitCode, 0);
    EXPECT_EQ(ReadFileOrMissing(PathOf(Server)), folder.Read("Server.wst"));
    EXPECT_NE(folder.Read("Server.wst"), ServerProfile());
}

TEST_F(PublishTest, CwdOnly_TouchesNoInstall)
{
    const ToolResult result = Run({"publish", "Server", "--to", "cwd", "--cwd-only"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(folder.Read("CustomCombat.wst"), ServerProfile());
    EXPECT_TRUE(std::filesystem::is_empty(wine.DriveC()));
}

TEST_F(PublishTest, CwdOnlyWithInstallTarget_UsageError)
{
    for (const char* target : {"server", "game", "both"}) {
        const ToolResult result = Run({"publish", "Server", "--cwd-only", "--to", target});
        EXPECT_EQ(result.exitCode, 2) << target;
        EXPECT_EQ(result.err,
            "With --cwd-only the only target is cwd.\nRun \"quavel-cli help publish\" for help.\n");
    }
    EXPECT_TRUE(std::filesystem::is_empty(wine.DriveC()));
    EXPECT_EQ(folder.Entries(), (std::set<std::string>{"Server.wst"}));
}

TEST_F(PublishTest, UnknownTarget_UsageError)
{
    const ToolResult result = Run({"publish", "Server", "--to", "Server"});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.err,
        "Unknown target \"Server\". Valid targets: server, game, both, cwd.\n"
        "Run \"quavel-cli help publish\" for help.\n");
}

TEST_F(PublishTest, DriveWithoutFolder_BothMessagesThenGoesOn)
{
    wine.WriteGameDirs("D:\\BFV Server", kGameFolder);
    const ToolResult result = Run({"publish", "Server", "--to", "both"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err,
        "Could not create directory:\n"
        "D:\\BFV Server\\Mods\\bfvietnam\\save\\GameModeSettings\n"
        "Error Publishing to:\n"
        "D:\\BFV Server\\Mods\\bfvietnam\\save\\GameModeSettings\\CustomCombat.wst\n"
        "Error: 2\n");
    EXPECT_EQ(result.out, PublishedLines({Game}));
    EXPECT_EQ(ReadFileOrMissing(PathOf(Game)), ServerProfile());
}

TEST_F(PublishTest, FileInTheWay_CreateErrorThenPublishError)
{
    WriteFile(wine.DriveC() / "Blocked", "a file, not a folder");
    wine.WriteGameDirs("C:\\Blocked", kGameFolder);
    const ToolResult result = Run({"publish", "Server", "--to", "server"});
    EXPECT_EQ(result.exitCode, 1);
    const std::filesystem::path settings = wine.OnDriveC("Blocked/" + std::string(kSettingsPath));
    EXPECT_EQ(result.err,
        "Could not create directory:\n" + settings.string() + "\nError Publishing to:\n"
            + (settings / "CustomCombat.wst").string() + "\nError: 20\n");
    EXPECT_EQ(result.out, "");
}

TEST_F(PublishTest, InstallNotFound_NothingWritten)
{
    wine.WriteGameDirs(kServerFolder, "");
    const ToolResult result = Run({"publish", "Server", "--to", "both"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err,
        "Game install not found: the registry has no key "
        "HKEY_LOCAL_MACHINE\\SOFTWARE\\EA GAMES\\Battlefield Vietnam.\n");
    // Both installs are looked up before a folder is created.
    EXPECT_TRUE(std::filesystem::is_empty(wine.DriveC()));
    EXPECT_EQ(folder.Entries(), (std::set<std::string>{"Server.wst"}));
}

TEST_F(PublishTest, NoRegistry_SaysWhere)
{
    std::filesystem::remove(wine.path() / "system.reg");
    const ToolResult result = Run({"publish", "Server", "--to", "server"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err,
        "Server install not found: there is no registry file "
            + (wine.path() / "system.reg").string() + ".\n");
}

TEST_F(PublishTest, WithoutWinePrefixVariable_UsesWineInHome)
{
    const TemporaryFolder home;
    std::filesystem::create_directory_symlink(wine.path(), home / ".wine");
    for (const std::optional<std::string>& prefix :
        {std::optional<std::string>(), std::optional<std::string>("")}) {
        const ToolResult result = Run({"publish", "Server", "--to", "game"},
            {{"WINEPREFIX", prefix}, {"HOME", home.path().string()}});
        EXPECT_EQ(result.exitCode, 0) << result.err;
        EXPECT_EQ(result.out,
            "Published to: " + (home / ".wine/dosdevices/c:/Games/BFV").string() + "/"
                + std::string(kSettingsPath) + "/CustomCombat.wst\n");
    }
    EXPECT_EQ(ReadFileOrMissing(PathOf(Game)), ServerProfile());
}

TEST_F(PublishTest, Default_BuiltInProfileAndItsFile)
{
    const ToolResult result = Run({"publish", "Default", "--to", "cwd"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(folder.Read("Default.wst"), DefaultBytes());
    EXPECT_EQ(folder.Read("CustomCombat.wst"), DefaultBytes());
}

TEST_F(PublishTest, CustomCombatToCwd_ItsOwnFile)
{
    WriteProfile("CustomCombat", ServerProfile());
    const ToolResult result = Run({"publish", "CustomCombat", "--to", "cwd", "--backup"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(folder.Read("CustomCombat.wst"), ServerProfile());
    EXPECT_EQ(folder.Read("CustomCombat.wst.bak"), ServerProfile());
    EXPECT_EQ(folder.Entries(),
        (std::set<std::string>{"CustomCombat.wst", "CustomCombat.wst.bak", "Server.wst"}));
}

TEST_F(PublishTest, RefusedProfile_UnableToLoad)
{
    const ToolResult result = Run({"publish", "Nothing", "--to", "cwd"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "Unable to load WST file!\nNo gameMode tag found!\n");
    EXPECT_EQ(folder.Entries(), (std::set<std::string>{"Server.wst"}));
}

TEST_F(PublishTest, BackupImpossible_TargetKept)
{
    std::filesystem::create_directories(PathOf(Server).parent_path());
    WriteFile(PathOf(Server), "published before");
    std::filesystem::create_directory(PathOf(Server).string() + ".bak");
    const ToolResult result = Run({"publish", "Server", "--to", "server", "--backup"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(
        result.err.rfind("Could not keep a copy of:\n" + PathOf(Server).string() + "\nError: ", 0),
        0u)
        << result.err;
    EXPECT_EQ(ReadFileOrMissing(PathOf(Server)), "published before");
}
