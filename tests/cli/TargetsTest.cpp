#include "CliTest.h"

#include <array>

namespace {

struct RegistryCase {
    const char* name;
    std::string registry;  // the key sections of system.reg
    std::string reason;
};

std::vector<RegistryCase> RegistryCases()
{
    const std::string gameKey = RegistryKey(kGameKey, GameDirLine("C:\\BFV"));
    const std::string serverKey
        = "HKEY_LOCAL_MACHINE\\SOFTWARE\\EA GAMES\\Battlefield Vietnam Server";
    return {
        {"NoKey", gameKey, "the registry has no key " + serverKey},
        {"NoValue", RegistryKey(kServerKey, "\"Version\"=\"1.2\"") + gameKey,
            "the key " + serverKey + " has no value GAMEDIR"},
        {"ExpandableString", RegistryKey(kServerKey, "\"GAMEDIR\"=str(2):\"C:\\\\BFV\"") + gameKey,
            "GAMEDIR is REG_EXPAND_SZ, not a plain string (REG_SZ)"},
        {"Number", RegistryKey(kServerKey, "\"GAMEDIR\"=dword:00000001") + gameKey,
            "GAMEDIR is REG_DWORD, not a plain string (REG_SZ)"},
        {"TooLong", RegistryKey(kServerKey, GameDirLine("C:\\" + std::string(253, 'x'))) + gameKey,
            "GAMEDIR is longer than the game's 255 characters"},
    };
}

// Test names and failure messages show the case by its name.
void PrintTo(const RegistryCase& testCase, std::ostream* out)
{
    *out << testCase.name;
}

class TargetsRegistryTest : public CliTest, public ::testing::WithParamInterface<RegistryCase> { };

}  // namespace

TEST_P(TargetsRegistryTest, SaysWhyTheServerWasNotFound)
{
    wine.WriteRegistry(GetParam().registry);
    const ToolResult result = Run({"targets"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.out.find("\nServer: not found: " + GetParam().reason + "\nGame: C:\\BFV\n"),
        std::string::npos)
        << result.out;
}

INSTANTIATE_TEST_SUITE_P(
    Targets, TargetsRegistryTest, ::testing::ValuesIn(RegistryCases()), CaseName{});

TEST_F(CliTest, Targets_BothFound_PathsWithoutCreatingAnything)
{
    wine.WriteGameDirs("C:\\Games\\BFV Server", "C:\\Games\\BFV");
    std::filesystem::create_directories(wine.DriveC() / "Games/BFV" / kSettingsPath);
    const ToolResult result = Run({"targets"});
    EXPECT_EQ(result.exitCode, 0);
    const std::string server
        = wine.OnDriveC("Games/BFV Server/" + std::string(kSettingsPath)).string();
    const std::string game = wine.OnDriveC("Games/BFV/" + std::string(kSettingsPath)).string();
    EXPECT_EQ(result.out,
        "Wine prefix: " + wine.path().string()
            + "\n"
              "Server: C:\\Games\\BFV Server\n"
              "  settings folder: "
            + server
            + " (missing: publishing creates it)\n"
              "  publish path: "
            + server
            + "/CustomCombat.wst\n"
              "Game: C:\\Games\\BFV\n"
              "  settings folder: "
            + game
            + " (exists)\n"
              "  publish path: "
            + game
            + "/CustomCombat.wst\n"
              "CWD: "
            + (folder / "CustomCombat.wst").string() + "\n");
    EXPECT_FALSE(std::filesystem::exists(wine.DriveC() / "Games/BFV Server"));
    EXPECT_TRUE(folder.Entries().empty());
}

TEST_F(CliTest, Targets_NoRegistry_BothNotFound)
{
    const std::string registry = (wine.path() / "system.reg").string();
    const ToolResult result = Run({"targets"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out,
        "Wine prefix: " + wine.path().string()
            + "\n"
              "Server: not found: there is no registry file "
            + registry
            + "\n"
              "Game: not found: there is no registry file "
            + registry
            + "\n"
              "CWD: "
            + (folder / "CustomCombat.wst").string() + "\n");
}

TEST_F(CliTest, Targets_NotARegistry_SaysSo)
{
    wine.WriteRegistry("");
    WriteFile(wine.path() / "system.reg", "REGEDIT4\n");
    const ToolResult result = Run({"targets"});
    EXPECT_NE(result.out.find("Server: not found: " + (wine.path() / "system.reg").string()
                  + " cannot be read as a Wine registry\n"),
        std::string::npos)
        << result.out;
}

TEST_F(CliTest, Targets_DriveWithoutFolder_ShowsTheWindowsPath)
{
    wine.WriteGameDirs("D:\\BFV Server", "");
    const std::string settings = "D:\\BFV Server\\Mods\\bfvietnam\\save\\GameModeSettings";
    const ToolResult result = Run({"targets"});
    EXPECT_NE(result.out.find("  settings folder: " + settings
                  + " (its drive has no folder in the Wine prefix)\n  publish path: " + settings
                  + "\\CustomCombat.wst (its drive has no folder in the Wine prefix)\n"),
        std::string::npos)
        << result.out;
}

TEST_F(CliTest, Targets_CwdOnly_InstallsNotUsed)
{
    wine.WriteGameDirs("C:\\Games\\BFV Server", "C:\\Games\\BFV");
    const ToolResult result = Run({"targets", "--cwd-only"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out,
        "Server: not used with --cwd-only\nGame: not used with --cwd-only\nCWD: "
            + (folder / "CustomCombat.wst").string() + "\n");
}
