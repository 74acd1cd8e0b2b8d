#include "CliTest.h"

#include "catalog/GameCatalog.h"

#include <unistd.h>

namespace {

// The built-in document with the named kit elements disabled.
std::string WithKitsOff(std::string bytes, const std::vector<std::string>& kits)
{
    for (const std::string& kit : kits) {
        const std::string element = "<" + kit + " name=\"" + kit + "\" enabled=";
        bytes = ReplaceAll(bytes, element + "\"true\">", element + "\"false\">");
    }
    return bytes;
}

struct ByteCase {
    const char* name;
    std::vector<std::string> assignments;
    std::string expected;
};

std::vector<ByteCase> ByteCases()
{
    const std::string uazByT54 = DefaultWith(
        "alternative=\"uaz\" changeType=\"1\"", "alternative=\"t54\" changeType=\"2\"");
    return {
        {"OneKit", {"blue.kit.scout.sec=off"}, WithKitsOff(DefaultBytes(), {"usarmy_recon_alt"})},
        {"BothKitsOfAClass", {"red.kit.antitank=off"},
            WithKitsOff(DefaultBytes(), {"NVA_HeavyAssault", "NVA_HeavyAssault_Alt"})},
        {"PrimaryKitByCaption", {"red.kit.Anti-Tank.pri=false"},
            WithKitsOff(DefaultBytes(), {"NVA_HeavyAssault"})},
        {"ClassByElementName", {"red.kit.Heavy_Assault.sec=0"},
            WithKitsOff(DefaultBytes(), {"NVA_HeavyAssault_Alt"})},
        {"RedTeam", {"red.team=USMarine"},
            DefaultWith("activeTeams=\"3/0\"", "activeTeams=\"3/4\"")},
        {"BlueTeamByDisplayName", {"blue.team=Viet Cong"},
            DefaultWith("activeTeams=\"3/0\"", "activeTeams=\"1/0\"")},
        {"VehicleTakesTheSubstitutesChangeType", {"vehicle.uaz=T-54"}, uazByT54},
        {"LastAssignmentWins", {"vehicle.uaz=cobra", "vehicle.UAZ=t54"}, uazByT54},
        {"AllVehiclesBackToThemselves", {"vehicle.uaz=t54", "vehicles=default"}, DefaultBytes()},
        {"KitOnAgain", {"red.kit.scout=off", "red.kit.scout.pri=on", "red.kit.scout.sec=true"},
            DefaultBytes()},
    };
}

// Test names and failure messages show the case by its name.
void PrintTo(const ByteCase& testCase, std::ostream* out)
{
    *out << testCase.name;
}

class SetBytesTest : public CliTest, public ::testing::WithParamInterface<ByteCase> { };

struct BadAssignment {
    const char* name;
    std::string assignment;
    std::string message;
};

const std::vector<BadAssignment> kBadAssignments{
    {"UnknownKey", "red.kit.sniper=on", "Unknown key \"red.kit.sniper\". Valid keys:\n"},
    {"UnknownSide", "green.team=NVA", "Unknown key \"green.team\". Valid keys:\n"},
    {"WeaponSlotSeven", "red.weapon.7=on", "Unknown key \"red.weapon.7\""},
    {"UnknownTeam", "red.team=Martians",
        "Invalid value \"Martians\" for red.team. Valid teams: NVA, Viet Cong, ARVN, US Army, "
        "US Marine, Special Forces.\n"},
    {"UnknownSwitch", "blue.weapon.1=maybe",
        "Invalid value \"maybe\" for blue.weapon.1. Valid values: on, off (or true, false, 1, "
        "0).\n"},
    {"UnknownVehicle", "vehicle.uaz=bicycle",
        "Invalid value \"bicycle\" for vehicle.uaz. Valid vehicles: BM-21 (bm21sam), "},
    {"ResetWithOtherWord", "vehicles=none",
        "Invalid value \"none\" for vehicles. The only valid value is default.\n"},
    {"NoEquals", "red.team", "\"red.team\" is not an assignment KEY=VALUE.\n"},
    {"NoKey", "=NVA", "\"=NVA\" is not an assignment KEY=VALUE.\n"},
};

// Test names and failure messages show the case by its name.
void PrintTo(const BadAssignment& testCase, std::ostream* out)
{
    *out << testCase.name;
}

class SetAllOrNothingTest : public CliTest, public ::testing::WithParamInterface<BadAssignment> { };

}  // namespace

TEST_P(SetBytesTest, WritesOnlyTheChangedValues)
{
    WriteProfile("Server");
    std::vector<std::string> arguments{"set", "Server"};
    arguments.insert(arguments.end(), GetParam().assignments.begin(), GetParam().assignments.end());
    const ToolResult result = Run(arguments);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(folder.Read("Server.wst"), GetParam().expected);
    EXPECT_EQ(folder.Entries(), (std::set<std::string>{"Server.wst"}));
}

INSTANTIATE_TEST_SUITE_P(Set, SetBytesTest, ::testing::ValuesIn(ByteCases()), CaseName{});

TEST_P(SetAllOrNothingTest, OneBadAssignmentLeavesTheFileAlone)
{
    WriteProfile("Server");
    const ToolResult result = Run({"set", "Server", "red.team=ARVN", "blue.kit.scout=off",
        GetParam().assignment, "vehicle.uaz=t54"});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_NE(result.err.find(GetParam().message), std::string::npos) << result.err;
    EXPECT_EQ(folder.Read("Server.wst"), DefaultBytes());
    EXPECT_EQ(folder.Entries(), (std::set<std::string>{"Server.wst"}));
}

INSTANTIATE_TEST_SUITE_P(
    Set, SetAllOrNothingTest, ::testing::ValuesIn(kBadAssignments), CaseName{});

TEST_F(CliTest, Set_UnknownKey_ListsEveryKind)
{
    WriteProfile("Server");
    const std::string err = Run({"set", "Server", "colour=red"}).err;
    for (const char* text : {"SIDE.team=TEAM", "SIDE.kit.CLASS=on|off", "SIDE.weapon.N=on|off",
             "vehicle.VEHICLE=VEHICLE", "vehicles=default", "SIDE: red, blue"})
        EXPECT_NE(err.find(text), std::string::npos) << text;
}

TEST_F(CliTest, Set_TeamSpellings_AllName)
{
    const std::vector<std::pair<std::string, int>> cases{{"US Army", 3}, {"USArmy", 3},
        {"usarmy", 3}, {"us-army", 3}, {"nva", 0}, {"vietcong", 1}, {"SPECIAL FORCES", 5},
        {"Special_Forces", 5}, {"us marine", 4}};
    for (const auto& [spelling, team] : cases) {
        WriteProfile("Server", DefaultWith("activeTeams=\"3/0\"", "activeTeams=\"2/0\""));
        const ToolResult result = Run({"set", "Server", "red.team=" + spelling});
        EXPECT_EQ(result.exitCode, 0) << spelling << result.err;
        EXPECT_EQ(ReadProfile("Server").red.team, team) << spelling;
    }
}

// Every vehicle is named once by each of its names as a key and as a value, so
// a name that reached the wrong vehicle shows up as a wrong substitute.
TEST_F(CliTest, Set_VehicleNames_EachNamesItsOwnVehicle)
{
    using GameCatalog::vehicles;
    for (const bool keyByDisplayName : {false, true}) {
        WriteProfile("Server");
        std::vector<std::string> arguments{"set", "Server"};
        for (std::size_t i = 0; i < vehicles.size(); ++i) {
            const auto& key = vehicles[i];
            const auto& value = vehicles[(i + 1) % vehicles.size()];
            arguments.push_back("vehicle."
                + std::string(keyByDisplayName ? key.displayName : key.internalName) + "="
                + std::string(keyByDisplayName ? value.internalName : value.displayName));
        }
        const ToolResult result = Run(arguments);
        ASSERT_EQ(result.exitCode, 0) << result.err;
        const Profile profile = ReadProfile("Server");
        for (std::size_t i = 0; i < vehicles.size(); ++i)
            EXPECT_EQ(profile.vehicles[i].alternative, static_cast<int>((i + 1) % vehicles.size()))
                << vehicles[i].displayName;
    }
}

TEST_F(CliTest, Set_WeaponSlot_OnlyThatSlotOfThatSide)
{
    WriteProfile("Server");
    ASSERT_EQ(Run({"set", "Server", "blue.weapon.3=off", "red.weapon.6=OFF"}).exitCode, 0);
    const Profile profile = ReadProfile("Server");
    EXPECT_EQ(profile.blue.weapons, (std::array<Flag, 6>{1, 1, 0, 1, 1, 1}));
    EXPECT_EQ(profile.red.weapons, (std::array<Flag, 6>{1, 1, 1, 1, 1, 0}));
    EXPECT_EQ(profile.red.kits, (std::array<Flag, 8>{1, 1, 1, 1, 1, 1, 1, 1}));
}

TEST_F(CliTest, Set_SameTeamOnBothSides_Refused)
{
    WriteProfile("Server");
    for (const char* assignment : {"red.team=US Army", "blue.team=nva"}) {
        const ToolResult result = Run({"set", "Server", "vehicle.uaz=t54", assignment});
        EXPECT_EQ(result.exitCode, 1) << assignment;
        EXPECT_EQ(result.err, "The teams must be different!\n");
        EXPECT_EQ(folder.Read("Server.wst"), DefaultBytes());
    }
}

TEST_F(CliTest, Set_SwappedTeams_AppliedTogether)
{
    WriteProfile("Server");
    EXPECT_EQ(Run({"set", "Server", "red.team=USArmy", "blue.team=NVA"}).exitCode, 0);
    EXPECT_EQ(folder.Read("Server.wst"), DefaultWith("activeTeams=\"3/0\"", "activeTeams=\"0/3\""));
}

// With one team on both sides the red side's flags are written last and win.
TEST_F(CliTest, Set_FileWithEqualTeams_OtherChangesAllowed)
{
    const std::string equalTeams = DefaultWith("activeTeams=\"3/0\"", "activeTeams=\"3/3\"");
    WriteProfile("Server", equalTeams);
    const ToolResult result = Run({"set", "Server", "red.kit.scout.sec=off"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(folder.Read("Server.wst"), WithKitsOff(equalTeams, {"usarmy_recon_alt"}));
}

TEST_F(CliTest, Set_Default_Refused)
{
    WriteProfile("Default", "unchanged");
    const ToolResult result = Run({"set", "Default", "red.team=ARVN"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "Cannot save over default profile!\n");
    EXPECT_EQ(folder.Read("Default.wst"), "unchanged");
}

TEST_F(CliTest, Set_RefusedFile_UnableToLoadAndUntouched)
{
    const std::string broken = DefaultWith("activeTeams=\"3/0\"", "activeTeams=\"\"");
    WriteProfile("Server", broken);
    const ToolResult result = Run({"set", "Server", "red.team=ARVN"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "Unable to load WST file!\nNo activeTeams found!\n");
    EXPECT_EQ(folder.Read("Server.wst"), broken);
}

TEST_F(CliTest, Set_MissingProfile_NothingCreated)
{
    const ToolResult result = Run({"set", "Server", "red.team=ARVN"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "Unable to load WST file!\nNo gameMode tag found!\n");
    EXPECT_TRUE(folder.Entries().empty());
}

TEST_F(CliTest, Set_ReadOnlyFolder_UnableToSave)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "the superuser writes into every folder";
    WriteProfile("Server");
    std::filesystem::permissions(
        folder.path(), std::filesystem::perms::owner_write, std::filesystem::perm_options::remove);
    const ToolResult result = Run({"set", "Server", "red.team=ARVN"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err,
        "Unable to save WST file! Do you have write permissions to the QUAVEL folder?\n");
    EXPECT_EQ(folder.Read("Server.wst"), DefaultBytes());
}
