#include "CliTest.h"

#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <ctime>
#include <set>

namespace {

const std::string kServerFile = PublishedFile("BFV Server");
const std::string kGameFile = PublishedFile("BFV");
// A profile that differs from the built-in one, so that a copy is recognisable.
const std::string kProfile = WithTeams("3/4");
const Files kServer{{"Server.wst", kProfile}};
const std::string kConfig = "~/.config/quavel/quavel.conf";

Tool Publish(std::string name, std::vector<std::string> options, Files files = kServer)
{
    options.insert(options.begin(), {"publish", "Server"});
    return Tool{std::move(name), std::move(options), std::move(files)};
}

// publish, and targets and config, which show and choose where it writes.
std::vector<Tool> PublishRuns()
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
            .Prints(DataFile("PublishBoth.txt"))
            .Writes({{kServerFile, kProfile}, {kServerFile + ".TIME.bak", "server before"},
                {kGameFile, kProfile}, {kGameFile + ".TIME.bak", "game before"}}),
        Publish("ToDir_ThatFolderAndBackupOfNothing", {"--to-dir", "{home}", "--backup"})
            .Prints("Published to: {home}/CustomCombat.wst\n")
            .Writes({{"~/CustomCombat.wst", kProfile}}),
        Publish("BackupImpossible_TargetKept", {"--to", "server", "--backup"},
            {{"Server.wst", kProfile}, {kServerFile, std::string(kFolder)}})
            .Fails(
                1, Said("Could not keep a copy of " + HostPath(kServerFile) + "\nIs a directory")),
        Publish("FileInTheWay_CreateErrorThenPublishError", {"--to", "server"},
            {{"Server.wst", kProfile}, {"c:/Blocked", "a file, not a folder"}})
            .WithRegistry(InstallsRegistryText("C:\\Blocked", "C:\\Games\\BFV"))
            .Fails(1,
                Said("Could not create directory:\n" + blocked + "\nError Publishing to: " + blocked
                    + "/CustomCombat.wst\nNot a directory")),
        // Both installs are looked up before a folder is created.
        Publish("InstallNotFound_NothingWritten", {"--to", "both"})
            .WithRegistry(InstallsRegistryText("C:\\Games\\BFV Server", "D:\\BFV"))
            .Fails(1,
                Said("Game install not found: the drive of D:\\BFV has no link in the Wine "
                     "prefix's dosdevices folder.")),
        Publish("ToServer_RefusedWithCwdOnly", {"--cwd-only", "--to", "server"})
            .Fails(2, Said("With --cwd-only the only target is cwd.") + help),
        Publish("UnknownTarget_UsageError", {"--to", "Server"})
            .Fails(2,
                "quavel-cli: Unknown target \"Server\". Did you mean \"server\"? Valid targets: "
                "server, game, both, cwd.\n"
                    + help),
        Tool{"Targets_BothFound_InUseMarkedAndNothingCreated", {"targets"}}.Prints(
            DataFile("Targets.txt")),
        // The game's install in a prefix named by --prefix, whose drive C has no link.
        Tool{"Targets_PrefixOption_ThatPrefixAlone", {"--prefix", "{home}/Games/bfv", "targets"},
            {{"~/Games/bfv/system.reg", InstallsRegistryText(std::nullopt, "C:\\BFV")}}}
            .Prints(DataFile("TargetsPrefix.txt")),
        Tool{"Targets_ChosenFolderWithoutRegistry_InUse", {"targets"},
            {{kConfig, "[installs]\nserver={cwd}/Server\n"}, {"Server/hlds.exe", ""}}}
            .WithRegistry("")
            .Prints(::testing::HasSubstr(
                "Server: {cwd}/Server/Mods/bfvietnam/save/GameModeSettings/CustomCombat.wst\n"
                "  holds: no CustomCombat.wst\n    $WINEPREFIX: {wine}: cannot read the Wine "
                "registry {wine}/system.reg: its first "
                "line is not \"WINE REGISTRY Version 2\"\n  * {cwd}/Server (chosen folder)\n")),
        // A folder in place of the file: what it holds is not known, and why.
        Tool{"Targets_FolderInPlaceOfTheFile_NotKnown", {"targets"},
            {{kServerFile, std::string(kFolder)}}}
            .Prints(::testing::HasSubstr("Server: " + HostPath(kServerFile)
                + "\n  holds: not known: Could not read " + HostPath(kServerFile)
                + ": Is a directory (error 21)\n")),
        Tool{"Targets_CwdOnly_InstallsNotUsed", {"targets", "--cwd-only"}}.Prints(
            DataFile("TargetsCwdOnly.txt")),
        Tool{"Targets_Json_ForScripts", {"targets", "--json"},
            {{"~/.config/lutris/games/bfv.yml", "game:\n  prefix: [{home}/bfv\n"}}}
            .WithRegistry(InstallsRegistryText("C:\\Games\\BFV Server", std::nullopt))
            .Prints(DataFile("Targets.json")),
        // Every option that changes what targets finds changes its JSON too.
        Tool{"Targets_JsonCwdOnly_InstallsNotUsed", {"targets", "--json", "--cwd-only"}}.Prints(
            DataFile("TargetsCwdOnly.json")),
        Tool{"Targets_JsonPrefixOption_ThatPrefixAlone",
            {"--prefix", "{home}/Games/bfv", "targets", "--json"},
            {{"~/Games/bfv/system.reg", InstallsRegistryText(std::nullopt, "C:\\BFV")}}}
            .Prints(DataFile("TargetsPrefix.json")),
        Tool{"ConfigGet_Value", {"config", "get", "installs.server"},
            {{kConfig, "[installs]\nserver = /srv/bfv \n"}}}
            .Prints("/srv/bfv\n"),
        Tool{"ConfigGet_NotSet_FailsQuietly", {"config", "get", "installs.server"}}.Fails(1, ""),
        Tool{"ConfigUnset_LineRemoved", {"config", "unset", "installs.server"},
            {{kConfig, "[installs]\nserver=/srv\nprefix=/p\n"}}}
            .Writes({{kConfig, "[installs]\nprefix=/p\n"}}),
        Tool{"ConfigSet_NulByte_RefusedNamingTheLine", {"config", "set", "installs.server", "/s"},
            {{kConfig, std::string("[installs]\ngame=/a\0b\n", 20)}}}
            .Fails(1,
                Said("Cannot read the settings file:\n{home}/.config/quavel/quavel.conf\nline 2 "
                     "holds a NUL byte")),
        Tool{"ConfigUnknownKey_UsageError", {"config", "set", "installs.gamedir", "x"}}.Fails(2,
            Said("Unknown key \"installs.gamedir\". Did you mean \"installs.game\"? Keys: "
                 "installs.prefix, installs.game, installs.server.")
                + "Run \"quavel-cli help config\" for help.\n"),
        Tool{"ConfigUnknownSubcommand_Suggested", {"config", "sett", "installs.game", "x"}}.Fails(2,
            ::testing::HasSubstr(
                "quavel-cli: Unknown subcommand \"sett\" for config. Did you mean \"set\"?")),
    };
}

}  // namespace

INSTANTIATE_TEST_SUITE_P(
    Publish, CliRun, ::testing::ValuesIn(PublishRuns()), ::testing::PrintToStringParamName());

// A backup takes the mode and owner of the file it copies, and a name of its
// own even when backups of this very second (and the next two) exist already.
TEST_F(CliTest, Publish_Backup_KeepsModeOwnerAndEarlierBackups)
{
    const std::filesystem::path replaced = root / "work/CustomCombat.wst";
    Write({{"Server.wst", kProfile}, {"CustomCombat.wst", "before"}});
    ::chmod(replaced.c_str(), 0600);
    const bool superuser = ::geteuid() == 0;  // then the file is another user's
    ASSERT_TRUE(!superuser || ::chown(replaced.c_str(), 65534, 65534) == 0);
    for (std::time_t second = std::time(nullptr); second < std::time(nullptr) + 3; ++second) {
        std::array<char, 32> stamp{};
        std::strftime(stamp.data(), stamp.size(), "%Y%m%d-%H%M%S", std::localtime(&second));
        Write({{"CustomCombat.wst." + std::string(stamp.data()) + ".bak", "earlier"}});
    }
    ASSERT_EQ(Run({"publish", "Server", "--to", "cwd", "--backup"}).exitCode, 0);
    std::filesystem::path kept;  // the copy this run made, named apart from the earlier ones
    for (const auto& entry : std::filesystem::directory_iterator(root / "work")) {
        const std::string name = entry.path().filename().string();
        kept = name.ends_with("-1.bak") ? entry.path() : kept;
        if (name.ends_with(".bak")) {
            EXPECT_EQ(FileBytes(entry), name.ends_with("-1.bak") ? "before" : "earlier") << name;
        }
    }
    struct stat status { };
    ASSERT_EQ(::stat(kept.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0600U);
    EXPECT_EQ(status.st_uid, superuser ? 65534U : ::geteuid());
}

namespace {

// The file's ACL as getfacl shows it, without the comment lines that name it.
std::string AccessList(const std::filesystem::path& file)
{
    const std::string listing = "getfacl --omit-header --absolute-names " + file.string();
    std::string text;
    if (FILE* pipe = ::popen(listing.c_str(), "r")) {
        char buffer[256];
        while (std::fgets(buffer, sizeof buffer, pipe))
            text += buffer;
        ::pclose(pipe);
    }
    return text;
}

}  // namespace

// A backup has the ACL of the file it copies: its named entries, and the
// group's own bits apart from the mask, which a plain mode would merge.
TEST_F(CliTest, Publish_Backup_KeepsTheAclAndAModeTheUmaskWouldNotGive)
{
    const std::filesystem::path replaced = root / "work/CustomCombat.wst";
    Write({{"Server.wst", kProfile}, {"CustomCombat.wst", "before"}});
    ::chmod(replaced.c_str(), 0604);
    const std::string grant = "setfacl -m u:nobody:rw,g::r " + replaced.string() + " 2>/dev/null";
    const int granted = std::system(grant.c_str());
    ASSERT_NE(WEXITSTATUS(granted), 127) << "setfacl is missing: install the package acl";
    if (granted != 0)
        GTEST_SKIP() << "the temporary folder's file system refuses ACLs";
    const std::string acl = AccessList(replaced);
    ASSERT_THAT(acl, ::testing::HasSubstr("user:nobody:rw-"));
    ::umask(022);
    ASSERT_EQ(Run({"publish", "Server", "--to", "cwd", "--backup"}).exitCode, 0);
    std::filesystem::path kept;
    for (const auto& entry : std::filesystem::directory_iterator(root / "work"))
        kept = entry.path().extension() == ".bak" ? entry.path() : kept;
    ASSERT_FALSE(kept.empty());
    EXPECT_EQ(FileBytes(kept), "before");
    EXPECT_EQ(AccessList(kept), acl);
}

// Two working folders publish to one folder at the same moments: each takes
// its turn there, so every version replaced is in a backup.
TEST_F(CliTest, Publish_TwoFoldersAtOnce_EveryReplacedVersionInABackup)
{
    constexpr int kRounds = 8;
    const std::vector<std::string> folders{"{cwd}", "{home}"};
    std::filesystem::create_directory(root / "shared");
    Write({{"~/shared/CustomCombat.wst", "first"}});
    std::multiset<std::string> replaced{"first"};
    for (int round = 0; round < kRounds; ++round) {
        std::string both;
        for (const std::string& folder : folders) {
            const std::string mark = "<!-- " + folder + std::to_string(round) + " -->";
            Write({{folder == "{cwd}" ? "Server.wst" : "~/Server.wst",
                ReplaceAll(kProfile, "</gameMode>", mark + "</gameMode>")}});
            both += Command({"-C", folder, "publish", "Server", "--to-dir", "{home}/shared",
                        "--backup"})
                + " >/dev/null & ";
        }
        ASSERT_EQ(std::system((both + "wait").c_str()), 0);
        // Publishing saves first: what it copied is the profile as saved.
        for (const char* profile : {"work/Server.wst", "home/Server.wst"})
            replaced.insert(FileBytes(root / profile));
    }
    std::multiset<std::string> kept;
    for (const auto& entry : std::filesystem::directory_iterator(root / "home/shared"))
        kept.insert(FileBytes(entry));
    EXPECT_EQ(kept.size(), 2u * kRounds + 1);
    EXPECT_TRUE(kept == replaced) << "lost versions: " << replaced.size() - kept.size();
}

// A registry the user may not read is named with the reason, not taken for a
// missing one; a FIFO in place of Steam's library list is skipped at once.
TEST_F(CliTest, Targets_UnreadableRegistryAndFifo_SaysWhyWithoutWaiting)
{
    world.Write("wine/system.reg", InstallsRegistryText("C:\\Server", "C:\\Game"));
    ASSERT_EQ(::chmod((root / "wine/system.reg").c_str(), 0), 0);
    std::filesystem::create_directories(root / "home/.steam/steam/steamapps");
    ASSERT_EQ(::mkfifo((root / "home/.steam/steam/steamapps/libraryfolders.vdf").c_str(), 0644), 0);
    const ToolResult result = Run({"targets"}, {}, Account::Unprivileged);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_THAT(result.out,
        ::testing::AllOf(::testing::HasSubstr("Game: not found: cannot read the Wine registry "
                                              "{wine}/system.reg: Permission denied\n"),
            ::testing::EndsWith("\nSkipped: cannot read the Steam library list "
                                "{home}/.steam/steam/steamapps/libraryfolders.vdf: not a regular "
                                "file\n")));
}
