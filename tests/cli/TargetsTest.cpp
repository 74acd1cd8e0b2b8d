#include "CliTest.h"

namespace {

using ::testing::HasSubstr;

// The server's key is broken in one way; the game's is fine.
Scenario ServerNotFound(
    const std::string& name, std::string_view serverLine, const std::string& reason)
{
    return Tool("ServerNotFound_" + name, {"targets"})
        .WithRegistry(Registry(serverLine, GameDir("C:\\BFV")))
        .Prints(HasSubstr("\nServer: not found: " + reason + "\nGame: C:\\BFV\n"));
}

std::vector<Scenario> TargetsScenarios()
{
    const std::string serverKey
        = "HKEY_LOCAL_MACHINE\\SOFTWARE\\EA GAMES\\Battlefield Vietnam Server";
    const std::string server = HostPath(SettingsFolder("BFV Server"));
    const std::string game = HostPath(SettingsFolder("BFV"));
    const std::string settings = "D:\\BFV Server\\Mods\\bfvietnam\\save\\GameModeSettings";
    const std::string noDriveFolder = " (its drive has no folder in the Wine prefix)\n";
    return {
        ServerNotFound("NoKey", "", "the registry has no key " + serverKey),
        ServerNotFound("ExpandableString", "\"GAMEDIR\"=str(2):\"C:\\\\BFV\"",
            "GAMEDIR is REG_EXPAND_SZ, not a plain string (REG_SZ)"),
        ServerNotFound("TooLong", GameDir("C:\\" + std::string(253, 'x')),
            "GAMEDIR is longer than the game's 255 characters"),
        Tool("BothFound_PathsWithoutCreatingAnything", {"targets"},
            {{SettingsFolder("BFV"), std::string(kFolder)}})
            .Prints("Wine prefix: {wine}\nServer: C:\\Games\\BFV Server\n  settings folder: "
                + server + " (missing: publishing creates it)\n  publish path: " + server
                + "/CustomCombat.wst\nGame: C:\\Games\\BFV\n  settings folder: " + game
                + " (exists)\n  publish path: " + game
                + "/CustomCombat.wst\nCWD: {cwd}/CustomCombat.wst\n"),
        Tool("NoRegistry_BothNotFound", {"targets"})
            .WithoutRegistry()
            .Prints("Wine prefix: {wine}\n"
                    "Server: not found: there is no registry file {wine}/system.reg\n"
                    "Game: not found: there is no registry file {wine}/system.reg\n"
                    "CWD: {cwd}/CustomCombat.wst\n"),
        Tool("NotARegistry_SaysSo", {"targets"})
            .WithRegistry("REGEDIT4\n")
            .Prints(HasSubstr(
                "Server: not found: {wine}/system.reg cannot be read as a Wine registry\n")),
        Tool("DriveWithoutFolder_ShowsTheWindowsPath", {"targets"})
            .WithRegistry(Registry(GameDir("D:\\BFV Server"), ""))
            .Prints(HasSubstr("  settings folder: " + settings + noDriveFolder
                + "  publish path: " + settings + "\\CustomCombat.wst" + noDriveFolder)),
        Tool("CwdOnly_InstallsNotUsed", {"targets", "--cwd-only"})
            .Prints("Server: not used with --cwd-only\nGame: not used with --cwd-only\n"
                    "CWD: {cwd}/CustomCombat.wst\n"),
    };
}

}  // namespace

INSTANTIATE_TEST_SUITE_P(Targets, CliRun, ::testing::ValuesIn(TargetsScenarios()), CaseName{});
