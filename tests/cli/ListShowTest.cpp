#include "CliTest.h"

#include "JsonValue.h"

#include <unistd.h>

namespace {

// ARVN against US Army; blue Scout without its alternative kit, red weapon slot
// #2 off, the UAZ replaced by the T-54, and the OH-6 by a vehicle the game lacks.
std::string EditedDocument()
{
    std::string bytes = DefaultWith("activeTeams=\"3/0\"", "activeTeams=\"3/2\"");
    bytes = ReplaceAll(bytes, "<usarmy_recon_alt name=\"usarmy_recon_alt\" enabled=\"true\">",
        "<usarmy_recon_alt name=\"usarmy_recon_alt\" enabled=\"false\">");
    bytes = ReplaceAll(
        bytes, "alternative=\"uaz\" changeType=\"1\"", "alternative=\"t54\" changeType=\"2\"");
    bytes = ReplaceAll(bytes, "alternative=\"OH-6\"", "alternative=\"submarine\"");
    // The ARVN's weapon slots follow its skins; the second slot is switched off.
    const std::size_t arvnWeapons = bytes.find("<weapons>", bytes.find("<ARVN "));
    const std::size_t secondSlot = bytes.find("<slot_", bytes.find("<slot_", arvnWeapons) + 1);
    const std::size_t enabled = bytes.find("enabled=\"true\"", secondSlot);
    return bytes.replace(enabled, 14, "enabled=\"false\"");
}

constexpr std::string_view kEditedTable = R"(Profile: Edited

Teams            Red            Blue
  Team           ARVN           US Army
Kits             Pri.  Sec.     Pri.  Sec.
  Assault        on    on       on    on
  Engineer       on    on       on    on
  Anti-Tank      on    on       on    on
  Scout          on    on       on    off
Weapons
  #1             on             on
  #2             off            on
  #3             on             on
  #4             on             on
  #5             on             on
  #6             on             on

Vehicles         Substitute
 Land
  BM-21          BM-21
  BTR-60         BTR-60
  M-110          M-110
  M-113          M-113
  MUTT           MUTT
  Patton         Patton
  MUTT Alt       MUTT Alt
  PT-76          PT-76
  Scooter        Scooter
  Sheridan       Sheridan
  T-54           T-54
  UAZ            T-54
  ZSU            ZSU
 Sea
  P.B.R.         P.B.R.
  Sampan         Sampan
 Air
  ACH-47         ACH-47
  Cobra          Cobra
  A-7 Corsair    A-7 Corsair
  F-4 Phantom    F-4 Phantom
  Mi-8           Mi-8
  Mig-17         Mig-17
  Mig-21         Mig-21
  Huey Gun       Huey Gun
  Huey Slick     Huey Slick
  KA-25 Hormone  KA-25 Hormone
  OH-6 Loach     unknown
)";

JsonValue ShownJson(const ToolResult& result)
{
    EXPECT_EQ(result.exitCode, 0) << result.err;
    std::optional<JsonValue> json = ParseJson(result.out);
    EXPECT_TRUE(json) << result.out;
    return json.value_or(JsonValue{});
}

}  // namespace

TEST_F(CliTest, List_EmptyFolder_ShowsDefaultOnly)
{
    const ToolResult result = Run({"list"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "Default\n");
    EXPECT_EQ(result.err, "");
}

TEST_F(CliTest, List_ProfileFiles_DefaultFirstThenNamesIgnoringCase)
{
    WriteProfile("Default");
    WriteProfile("CustomCombat");
    WriteProfile("alpha");
    folder.Write("Beta.WST", DefaultBytes());
    folder.Write("notes.txt", "not a profile");
    const ToolResult result = Run({"list"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "Default\nalpha\nBeta\nCustomCombat\n");
}

TEST_F(CliTest, List_OnlyDefaultFile_ShowsDefaultOnce)
{
    WriteProfile("Default");
    EXPECT_EQ(Run({"list"}).out, "Default\n");
}

TEST_F(CliTest, List_UnreadableFolder_ShowsDefaultAndFails)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "the superuser reads every folder";
    WriteProfile("Alpha");
    std::filesystem::permissions(
        folder.path(), std::filesystem::perms::owner_read, std::filesystem::perm_options::remove);
    const ToolResult result = Run({"list"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "Default\n");
    EXPECT_EQ(result.err, "Could not read the profiles of the current folder.\n");
}

TEST_F(CliTest, Show_EditedProfile_TableLikeTheWindow)
{
    WriteProfile("Edited", EditedDocument());
    const ToolResult result = Run({"show", "Edited"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, kEditedTable);
    EXPECT_EQ(result.err, "");
}

TEST_F(CliTest, Show_Default_BuiltInProfileWithoutWritingAFile)
{
    const ToolResult result = Run({"show", "Default"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out.rfind("Profile: Default\n\nTeams            Red            Blue\n"
                               "  Team           NVA            US Army\n",
                  0),
        0u)
        << result.out;
    EXPECT_EQ(result.out.find("off"), std::string::npos);
    EXPECT_TRUE(folder.Entries().empty());
}

TEST_F(CliTest, Show_Json_ValidWithStableKeys)
{
    WriteProfile("Edited", EditedDocument());
    const JsonValue json = ShownJson(Run({"show", "Edited", "--json"}));
    EXPECT_EQ(json.keys, (std::vector<std::string>{"name", "red", "blue", "vehicles"}));
    EXPECT_EQ(json["name"].text, "Edited");
    EXPECT_EQ(json["red"]["team"].text, "ARVN");
    EXPECT_EQ(json["blue"]["team"].text, "US Army");
    EXPECT_EQ(json["blue"]["teamTag"].text, "USArmy");
    EXPECT_EQ(json["red"]["kits"].keys,
        (std::vector<std::string>{"assault", "engineer", "antitank", "scout"}));
    EXPECT_TRUE(json["blue"]["kits"]["scout"]["pri"].boolean);
    EXPECT_FALSE(json["blue"]["kits"]["scout"]["sec"].boolean);
    ASSERT_EQ(json["red"]["weapons"].items.size(), 6u);
    EXPECT_TRUE(json["red"]["weapons"][0].boolean);
    EXPECT_FALSE(json["red"]["weapons"][1].boolean);
    EXPECT_EQ(json["vehicles"].items.size(), 26u);
    EXPECT_EQ(json["vehicles"]["uaz"]["name"].text, "UAZ");
    EXPECT_EQ(json["vehicles"]["uaz"]["group"].text, "land");
    EXPECT_EQ(json["vehicles"]["uaz"]["substitute"].text, "t54");
    EXPECT_EQ(json["vehicles"]["uaz"]["substituteName"].text, "T-54");
    EXPECT_EQ(json["vehicles"]["pbr"]["group"].text, "sea");
    EXPECT_EQ(json["vehicles"]["OH-6"]["group"].text, "air");
    EXPECT_EQ(json["vehicles"]["OH-6"]["substitute"].kind, JsonValue::Kind::Null);
    EXPECT_EQ(json["vehicles"]["OH-6"]["substituteName"].kind, JsonValue::Kind::Null);
}

TEST_F(CliTest, Show_JsonName_EscapedAsValidUtf8)
{
    const std::string name = "say \"hi\" \xE9";  // the last byte is Latin-1, not UTF-8
    WriteProfile(name);
    const ToolResult result = Run({"show", name, "--json"});
    EXPECT_NE(result.out.find("\"name\": \"say \\\"hi\\\" \xC3\xA9\""), std::string::npos)
        << result.out;
    EXPECT_EQ(ShownJson(result)["name"].text, "say \"hi\" \xC3\xA9");
}

TEST_F(CliTest, Show_RefusedFiles_ReaderMessage)
{
    const std::vector<std::pair<std::string, std::string>> cases{
        {"", "No gameMode tag found!"},
        {"<not xml", "No gameMode tag found!"},
        {DefaultWith("activeTeams=\"3/0\"", "activeTeams=\"\""), "No activeTeams found!"},
        {ReplaceAll(DefaultWith("<USArmy ", "<Army "), "</USArmy>", "</Army>"),
            "No blueTeam tag found!"},
        {ReplaceAll(DefaultWith("<NVA_Scout ", "<Scout_ "), "</NVA_Scout>", "</Scout_>"),
            "No NVA_Scout tag found!"},
    };
    for (const auto& [bytes, message] : cases) {
        WriteProfile("Broken", bytes);
        const ToolResult result = Run({"show", "Broken"});
        EXPECT_EQ(result.exitCode, 1) << message;
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err, "Unable to load WST file!\n" + message + "\n");
    }
}

TEST_F(CliTest, Show_MissingProfile_UnableToLoad)
{
    const ToolResult result = Run({"show", "Nothing"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "Unable to load WST file!\nNo gameMode tag found!\n");
}

TEST_F(CliTest, Show_NameOutsideTheFolder_UsageError)
{
    for (const char* name : {"../Alpha", "sub/Alpha", "", ".."}) {
        const ToolResult result = Run({"show", name});
        EXPECT_EQ(result.exitCode, 2) << name;
        EXPECT_NE(result.err.find("is not a profile name"), std::string::npos) << result.err;
    }
}
