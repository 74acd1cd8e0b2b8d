#include "CliTest.h"

namespace {

using ::testing::HasSubstr;

const std::string kSettings = "Settings file: {home}/.config/quavel/quavel.conf\n";
const std::string kServerPath = HostPath(SettingsFile("BFV Server"));
const std::string kGamePath = HostPath(SettingsFile("BFV"));
const std::string kCwd = "CWD: {cwd}/CustomCombat.wst\n";
const std::string kConfig = "~/.config/quavel/quavel.conf";

std::vector<Scenario> TargetsScenarios()
{
    const std::string noServerKey
        = "no registry key HKEY_LOCAL_MACHINE\\SOFTWARE\\Wow6432Node\\EA GAMES\\Battlefield "
          "Vietnam Server";
    const std::string noDriveC = ": the drive of C:\\BFV has no link in the Wine prefix's "
                                 "dosdevices folder\n";
    // The game's install in a prefix named by --prefix, whose drive C has no link.
    return {
        Tool("BothFound_InUseMarkedAndNothingCreated", {"targets"})
            .Prints(kSettings + "Server: " + kServerPath
                + "\n  * C:\\Games\\BFV Server ($WINEPREFIX: {wine})\nGame: " + kGamePath
                + "\n  * C:\\Games\\BFV ($WINEPREFIX: {wine})\n" + kCwd),
        Tool("PrefixOption_ThatPrefixAlone", {"--prefix", "{home}/Games/bfv", "targets"},
            {{"~/Games/bfv/system.reg", InstallsRegistryText(std::nullopt, "C:\\BFV")}})
            .Prints(kSettings + "Server: not found: " + noServerKey + "\nGame: not found: "
                + "the drive of C:\\BFV has no link in the Wine prefix's dosdevices folder\n"
                + "    --prefix: {home}/Games/bfv" + noDriveC + kCwd),
        Tool("ChosenFolderWithoutRegistry_InUse", {"targets"},
            {{kConfig, "[installs]\nserver={cwd}/Server\n"}, {"Server/hlds.exe", ""}})
            .WithoutRegistry()
            .Prints(HasSubstr("Server: {cwd}/Server/Mods/bfvietnam/save/GameModeSettings/"
                              "CustomCombat.wst\n  * {cwd}/Server (chosen folder)\n")),
        Tool("CwdOnly_InstallsNotUsed", {"targets", "--cwd-only"})
            .Prints(kSettings + "Server: publishing only into the working folder\n"
                + "Game: publishing only into the working folder\n" + kCwd),
        Tool("Json_ForScripts", {"targets", "--json"})
            .WithRegistry(InstallsRegistryText("C:\\Games\\BFV Server", std::nullopt))
            .Prints(FileBytes(std::filesystem::path(QUAVEL_TEST_DATA) / "Targets.json")),
        Tool("ConfigSet_AbsoluteFolderKeepingOtherLines",
            {"config", "set", "installs.game", "Mine"}, {{kConfig, "# mine\n[installs]\n"}})
            .Writes({{kConfig, "# mine\n[installs]\ngame={cwd}/Mine\n"}}),
        Tool("ConfigGet_Value", {"config", "get", "installs.server"},
            {{kConfig, "[installs]\nserver = /srv/bfv \n"}})
            .Prints("/srv/bfv\n"),
        Tool("ConfigGet_NotSet_FailsQuietly", {"config", "get", "installs.server"}).Fails(1, ""),
        Tool("ConfigUnset_LineRemoved", {"config", "unset", "installs.server"},
            {{kConfig, "[installs]\nserver=/srv\nprefix=/p\n"}})
            .Writes({{kConfig, "[installs]\nprefix=/p\n"}}),
        Tool("ConfigUnknownKey_UsageError", {"config", "set", "installs.gamedir", "x"})
            .Fails(2,
                "Unknown key \"installs.gamedir\". Keys: installs.prefix, installs.game, "
                "installs.server.\nRun \"quavel-cli help config\" for help.\n"),
    };
}

}  // namespace

INSTANTIATE_TEST_SUITE_P(
    Targets, CliRun, ::testing::ValuesIn(TargetsScenarios()), ::testing::PrintToStringParamName());
