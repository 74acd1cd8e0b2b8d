#include "CliTest.h"

#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <ctime>

namespace {

struct Target {
    std::string label;
    std::string name;  // the --to value
    std::vector<std::string> destinations;
};

const std::string kServerFile = SettingsFile("BFV Server");
const std::string kGameFile = SettingsFile("BFV");

const std::vector<Target> kTargets{
    {"Server", "server", {kServerFile}},
    {"Game", "game", {kGameFile}},
    {"Both", "both", {kServerFile, kGameFile}},
    {"Cwd", "cwd", {"CustomCombat.wst"}},
};

// A profile that differs from the built-in one, so that a copy is recognisable.
const std::string kProfile = WithTeams("3/4");
const Files kServer{{"Server.wst", kProfile}};

std::string PublishedLines(const std::vector<std::string>& destinations)
{
    std::string lines;
    for (const std::string& destination : destinations)
        lines += "Published to: " + HostPath(destination) + "\n";
    return lines;
}

Scenario Publish(std::string name, std::vector<std::string> options, Files files = kServer)
{
    options.insert(options.begin(), {"publish", "Server"});
    return Tool(std::move(name), std::move(options), std::move(files));
}

enum class Backup { None, Keep };

// Publishing where each destination holds these bytes or nothing replaces every
// destination and, with --backup, keeps what it held.
Scenario Publishes(const Target& target, const std::string& condition,
    const std::optional<std::string>& before, Backup backup)
{
    Scenario scenario = Publish("To" + target.label + "_" + condition, {"--to", target.name});
    if (backup == Backup::Keep)
        scenario.arguments.push_back("--backup");
    std::string printed;
    for (const std::string& destination : target.destinations) {
        scenario.changes[destination] = kProfile;
        if (before)
            scenario.files[destination] = *before;
        if (before && backup == Backup::Keep) {
            scenario.changes[destination + ".TIME.bak"] = *before;
            printed += "Kept a copy: " + HostPath(destination) + ".TIME.bak\n";
        }
        printed += PublishedLines({destination});
    }
    return std::move(scenario).Prints(printed);
}

std::vector<Scenario> PublishScenarios()
{
    const std::string toCwd = "Published to: {cwd}/CustomCombat.wst\n";
    const std::string blocked = "{wine}/dosdevices/c:/Blocked/Mods/bfvietnam/save/GameModeSettings";
    const std::string onDriveD = "D:\\BFV Server\\Mods\\bfvietnam\\save\\GameModeSettings";
    const std::string cwdOnly
        = "With --cwd-only the only target is cwd.\nRun \"quavel-cli help publish\" for help.\n";
    std::vector<Scenario> scenarios{
        Publish("CwdOnly_TouchesNoInstall", {"--to", "cwd", "--cwd-only"})
            .Prints(toCwd)
            .Writes({{"CustomCombat.wst", kProfile}}),
        Publish("UnknownTarget_UsageError", {"--to", "Server"})
            .Fails(2,
                "Unknown target \"Server\". Valid targets: server, game, both, cwd.\n"
                "Run \"quavel-cli help publish\" for help.\n"),
        Publish("FileInTheWay_CreateErrorThenPublishError", {"--to", "server"},
            {{"Server.wst", kProfile}, {"c:/Blocked", "a file, not a folder"}})
            .WithRegistry(Registry(GameDir("C:\\Blocked"), GameDir("C:\\Games\\BFV")))
            .Fails(1,
                "Could not create directory:\n" + blocked + "\nError Publishing to:\n" + blocked
                    + "/CustomCombat.wst\nError: 20\n"),
        // Both installs are looked up before a folder is created.
        Publish("InstallNotFound_NothingWritten", {"--to", "both"})
            .WithRegistry(Registry(GameDir("C:\\Games\\BFV Server"), GameDir("D:\\BFV")))
            .Fails(1,
                "Game install not found: the drive of D:\\BFV has no link in the Wine prefix's "
                "dosdevices folder.\n"),
        Publish("ChosenFolder_NoRegistryNeeded", {"--to", "game"},
            {{"Server.wst", kProfile},
                {"~/.config/quavel/quavel.conf", "[installs]\ngame={cwd}/G\n"},
                {"G/BfVietnam.exe", ""}})
            .WithoutRegistry()
            .Prints("Published to: {cwd}/G/Mods/bfvietnam/save/GameModeSettings/CustomCombat.wst\n")
            .Writes({{"G/Mods/bfvietnam/save/GameModeSettings/CustomCombat.wst", kProfile}}),
        Tool("PrefixOption_OnlyThatPrefix",
            {"--prefix", "{home}", "publish", "Server", "--to", "game"}, kServer)
            .Fails(1, "Game install not found: no Wine registry (system.reg) in {home}.\n"),
        Publish("ToDir_ThatFolder", {"--to-dir", "{home}"})
            .Prints("Published to: {home}/CustomCombat.wst\n")
            .Writes({{"~/CustomCombat.wst", kProfile}}),
        Publish("ToAndToDir_UsageError", {"--to", "cwd", "--to-dir", "."})
            .Fails(2,
                "publish needs either --to TARGET or --to-dir DIR.\n"
                "Run \"quavel-cli help publish\" for help.\n"),
        Tool("DirectoryOption_WorksThere", {"-C", "sub", "publish", "Server", "--to", "cwd"},
            {{"sub/Server.wst", kProfile}})
            .Prints("Published to: {cwd}/sub/CustomCombat.wst\n")
            .Writes({{"sub/CustomCombat.wst", kProfile}}),
        Tool("DirectoryMissing_Fails", {"--directory=missing", "list"})
            .Fails(1, "quavel-cli: Cannot work in {cwd}/missing: No such file or directory\n"),
        Tool("Default_BuiltInProfileAndItsFile", {"publish", "Default", "--to", "cwd"})
            .Prints(toCwd)
            .Writes({{"Default.wst", DefaultBytes()}, {"CustomCombat.wst", DefaultBytes()}}),
        Tool("CustomCombatToCwd_ItsOwnFile", {"publish", "CustomCombat", "--to", "cwd", "--backup"},
            {{"CustomCombat.wst", kProfile}})
            .Prints("Kept a copy: {cwd}/CustomCombat.wst.TIME.bak\n" + toCwd)
            .Writes({{"CustomCombat.wst.TIME.bak", kProfile}}),
        Tool("RefusedProfile_UnableToLoad", {"publish", "Nothing", "--to", "cwd"})
            .Fails(1, "Unable to load WST file!\nThere is no profile \"Nothing\" in this folder.\n"),
        Publish("BackupImpossible_TargetKept", {"--to", "server", "--backup"},
            {{"Server.wst", kProfile}, {kServerFile, std::string(kFolder)}})
            .Fails(1, "Could not keep a copy of:\n" + HostPath(kServerFile) + "\nError: 21\n"),
    };
    using Prefix = std::pair<std::string, std::optional<std::string>>;
    for (const auto& [label, prefix] : {Prefix{"Unset", std::nullopt}, Prefix{"Empty", ""}}) {
        scenarios.push_back(Publish("WinePrefix" + label + "_UsesWineInHome", {"--to", "game"})
                                .WithEnvironment({{"WINEPREFIX", prefix}, {"HOME", "{home}"}})
                                .Prints("Published to: {home}/.wine/dosdevices/c:/Games/BFV/Mods/"
                                        "bfvietnam/save/GameModeSettings/CustomCombat.wst\n")
                                .Writes({{kGameFile, kProfile}}));
    }
    const std::string before = "published before";
    for (const Target& target : kTargets)
        scenarios.push_back(Publishes(target, "ReplacesWithoutAsking", before, Backup::None));
    scenarios.push_back(Publishes(kTargets[2], "BackupKeepsTheReplacedFiles", before, Backup::Keep));
    scenarios.push_back(
        Publishes(kTargets[0], "CreatesTheFoldersAndBacksUpNothing", std::nullopt, Backup::Keep));
    scenarios.push_back(
        Publish("ToServer_RefusedWithCwdOnly", {"--cwd-only", "--to", "server"}).Fails(2, cwdOnly));
    return scenarios;
}

}  // namespace

INSTANTIATE_TEST_SUITE_P(Publish, CliRun, ::testing::ValuesIn(PublishScenarios()), CaseName{});

// A backup takes the mode and owner of the file it copies, and a name of its
// own even when backups of this very second exist already.
TEST_F(CliTest, Publish_Backup_KeepsModeOwnerAndEarlierBackups)
{
    const std::filesystem::path work = root / "work";
    Write({{"Server.wst", kProfile}, {"CustomCombat.wst", "before"}});
    ::chmod((work / "CustomCombat.wst").c_str(), 0600);
    const bool superuser = ::geteuid() == 0;
    if (superuser) {
        ASSERT_EQ(::chown((work / "CustomCombat.wst").c_str(), 65534, 65534), 0);
    }
    std::vector<std::string> earlier;
    for (std::time_t second = std::time(nullptr); earlier.size() < 3; ++second) {
        std::array<char, 32> stamp{};
        std::strftime(stamp.data(), stamp.size(), "%Y%m%d-%H%M%S", std::localtime(&second));
        earlier.push_back("CustomCombat.wst." + std::string(stamp.data()) + ".bak");
        Write({{earlier.back(), "earlier"}});
    }
    const ToolResult result = Run({"publish", "Server", "--to", "cwd", "--backup"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const std::string kept = result.out.substr(0, result.out.find('\n'));
    ASSERT_EQ(kept, "Kept a copy: {cwd}/CustomCombat.wst.TIME-1.bak");
    for (const std::string& name : earlier)
        EXPECT_EQ(ReadFileOrMissing(work / name), "earlier");
    EXPECT_EQ(Snapshot().at("CustomCombat.wst.TIME-1.bak"), "before");
    for (const auto& entry : std::filesystem::directory_iterator(work)) {
        struct stat status { };
        if (!entry.path().string().ends_with("-1.bak") || ::stat(entry.path().c_str(), &status))
            continue;
        EXPECT_EQ(status.st_mode & 07777, 0600U);
        EXPECT_EQ(status.st_uid, superuser ? 65534U : ::geteuid());
    }
}
