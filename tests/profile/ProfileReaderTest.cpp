#include "profile/DefaultDocument.h"
#include "profile/ProfileStore.h"

#include "CaseName.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

namespace {

const std::string kDefault(DefaultDocument());

class ProfileReader : public ::testing::Test {
protected:
    std::optional<Profile> Load(const std::string& document)
    {
        folder.Write("Test.wst", document);
        return store.LoadProfile("Test");
    }

    TestFolder folder;
    ProfileStore store{folder.path()};
};

Profile DefaultNamed(const std::string& name)
{
    Profile profile = BuiltInDefaultProfile();
    profile.name = name;
    return profile;
}

}  // namespace

TEST_F(ProfileReader, ReadsTheBuiltInValuesFromTheDefaultDocument)
{
    EXPECT_EQ(Load(kDefault), DefaultNamed("Test"));
    EXPECT_EQ(store.lastError(), "");
}

TEST_F(ProfileReader, ReadsAHandWrittenDocument)
{
    const std::optional<Profile> profile = Load(ReadTestData("HandWritten.wst"));
    ASSERT_TRUE(profile) << store.lastError();
    EXPECT_EQ(profile->blue.team, 1);
    EXPECT_EQ(profile->red.team, 4);
    // "TRUE" and "1" are not "true"; a missing enabled reads as disabled.
    EXPECT_EQ(profile->blue.kits, (std::array<Flag, 8>{1, 0, 1, 1, 1, 0, 0, 1}));
    EXPECT_EQ(profile->red.kits, (std::array<Flag, 8>{0, 1, 1, 0, 1, 0, 1, 1}));
    // Four slots, the rest 0; a seventh slot is never read.
    EXPECT_EQ(profile->blue.weapons, (std::array<Flag, 6>{1, 0, 1, 1, 0, 0}));
    EXPECT_EQ(profile->red.weapons, (std::array<Flag, 6>{1, 1, 1, 1, 1, 0}));
    std::array<int, GameCatalog::kVehicleCount> expected{};
    for (int i = 0; i < GameCatalog::kVehicleCount; ++i)
        expected[static_cast<std::size_t>(i)] = i;
    expected[7] = 6;    // uaz -> t54
    expected[10] = 12;  // mutt -> mutt2
    expected[14] = -1;  // sampan -> junk
    expected[24] = 25;  // KA-25 -> OH-6
    expected[25] = -1;  // OH-6 -> oh-6: names are case-sensitive
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(profile->vehicles[i].alternative, expected[i])
            << GameCatalog::vehicles[i].internalName;
}

struct ActiveTeamsCase {
    const char* name;
    const char* activeTeams;
    int blue;
    int red;
    friend void PrintTo(const ActiveTeamsCase& testCase, std::ostream* out)
    {
        *out << testCase.name;
    }
};

class ProfileReaderActiveTeams : public ProfileReader,
                                 public ::testing::WithParamInterface<ActiveTeamsCase> { };

TEST_P(ProfileReaderActiveTeams, ReadsTheFirstAndThirdCharacters)
{
    const std::optional<Profile> profile = Load(ReplaceAll(kDefault, "activeTeams=\"3/0\"",
        std::string("activeTeams=\"") + GetParam().activeTeams + "\""));
    ASSERT_TRUE(profile) << store.lastError();
    EXPECT_EQ(profile->blue.team, GetParam().blue);
    EXPECT_EQ(profile->red.team, GetParam().red);
}

INSTANTIATE_TEST_SUITE_P(Values, ProfileReaderActiveTeams,
    ::testing::Values(ActiveTeamsCase{"Default", "3/0", 3, 0},
        ActiveTeamsCase{"Swapped", "0/3", 0, 3}, ActiveTeamsCase{"BlueOnly", "3", 3, 0},
        ActiveTeamsCase{"Letters", "ab/cd", 0, 0},
        ActiveTeamsCase{"SecondCharacterIgnored", "2x5", 2, 5},
        ActiveTeamsCase{"SameTeamTwice", "4/4", 4, 4},
        ActiveTeamsCase{"LongerText", "5/1/2", 5, 1}),
    CaseName());

struct RefusalCase {
    const char* name;
    std::string document;
    const char* message;
    friend void PrintTo(const RefusalCase& testCase, std::ostream* out) { *out << testCase.name; }
};

class ProfileReaderRefusal : public ProfileReader,
                             public ::testing::WithParamInterface<RefusalCase> { };

TEST_P(ProfileReaderRefusal, GivesNoProfileAndSaysWhy)
{
    EXPECT_FALSE(Load(GetParam().document));
    EXPECT_EQ(store.lastError(), GetParam().message);
}

// The six slot_ elements of the first team (NVA), as the document writes them.
std::string NvaWeapons(std::string_view replacement)
{
    const std::size_t start = kDefault.find("\t\t\t\t<weapons>");
    const std::size_t end
        = kDefault.find("</weapons>", start) + std::string_view("</weapons>").size();
    std::string document = kDefault;
    return document.replace(start, end - start, replacement);
}

INSTANTIATE_TEST_SUITE_P(Documents, ProfileReaderRefusal,
    ::testing::Values(RefusalCase{"Empty", "", "No gameMode tag found!"},
        RefusalCase{"NotWellFormed", kDefault.substr(0, 5000), "No gameMode tag found!"},
        RefusalCase{
            "NoGameMode", RenameElement(kDefault, "gameMode", "mode"), "No gameMode tag found!"},
        RefusalCase{"GameModeInstruction", "<a><?gameMode activeTeams=\"3/0\"?></a>",
            "No gameMode tag found!"},
        RefusalCase{"NoActiveTeams", ReplaceAll(kDefault, " activeTeams=\"3/0\"", ""),
            "No activeTeams found!"},
        RefusalCase{
            "EmptyActiveTeams", ReplaceAll(kDefault, "\"3/0\"", "\"\""), "No activeTeams found!"},
        RefusalCase{
            "NoBlueTeam", RenameElement(kDefault, "USArmy", "Army"), "No blueTeam tag found!"},
        RefusalCase{"NoRedTeam", RenameElement(kDefault, "NVA", "Nva"), "No redTeam tag found!"},
        RefusalCase{"BothTeamsMissing",
            RenameElement(RenameElement(kDefault, "USArmy", "A"), "NVA", "B"),
            "No blueTeam tag found!"},
        RefusalCase{"BlueTeamBeyondCatalog", ReplaceAll(kDefault, "\"3/0\"", "\"7/0\""),
            "No blueTeam tag found!"},
        RefusalCase{"RedTeamBeyondCatalog", ReplaceAll(kDefault, "\"3/0\"", "\"3/9\""),
            "No redTeam tag found!"},
        RefusalCase{"NoKit", RenameElement(kDefault, "NVA_HeavyAssault", "x"),
            "No NVA_HeavyAssault tag found!"},
        RefusalCase{"FirstMissingKitInColumnOrder",
            RenameElement(
                RenameElement(kDefault, "NVA_Engineer", "x"), "NVA_HeavyAssault_Alt", "y"),
            "No NVA_HeavyAssault_Alt tag found!"},
        RefusalCase{"NoWeaponsAnywhere", RenameElement(kDefault, "weapons", "guns"),
            "No weapons tag found!"},
        RefusalCase{
            "WeaponsWithoutChildren", NvaWeapons("<weapons>\r\n</weapons>"), "No slot_ tag found!"},
        RefusalCase{"CommentAmongSlots",
            NvaWeapons(
                "<weapons><slot_ enabled=\"true\"/><!-- x --><slot_ enabled=\"true\"/></weapons>"),
            "No slot_ tag found!"},
        RefusalCase{"TextAmongSlots",
            NvaWeapons("<weapons><slot_ enabled=\"true\"/>text</weapons>"), "No slot_ tag found!"},
        RefusalCase{"NoVehicleTypes", RenameElement(kDefault, "vehicleTypes", "types"),
            "No vehicleTypes tag found!"},
        RefusalCase{"NoVehicle", RenameElement(kDefault, "mutt", "jeep"), "No mutt tag found!"},
        RefusalCase{"BlueKitBeforeRedTeam",
            RenameElement(RenameElement(kDefault, "usarmy_recon", "x"), "NVA", "y"),
            "No usarmy_recon tag found!"}),
    CaseName());

TEST_F(ProfileReader, MissingFileIsRefusedAsWithoutGameMode)
{
    EXPECT_FALSE(store.LoadProfile("Missing"));
    EXPECT_EQ(store.lastError(), "No gameMode tag found!");
}

TEST_F(ProfileReader, SuccessKeepsThePreviousError)
{
    ASSERT_FALSE(Load("<a/>"));
    ASSERT_TRUE(Load(kDefault));
    EXPECT_EQ(store.lastError(), "No gameMode tag found!");
}

TEST_F(ProfileReader, TeamWithoutWeaponsReadsTheNextTeams)
{
    // NVA loses its weapons; the search runs on into VietCong's, whose first
    // slot is disabled.
    std::string document = NvaWeapons("");
    const std::size_t firstSlot = document.find("<slot_", document.find("<VietCong"));
    document.replace(document.find("enabled=\"true\"", firstSlot), 14, "enabled=\"no\"");
    const std::optional<Profile> profile = Load(document);
    ASSERT_TRUE(profile) << store.lastError();
    EXPECT_EQ(profile->red.weapons, (std::array<Flag, 6>{0, 1, 1, 1, 1, 1}));
    EXPECT_EQ(profile->blue.weapons, (std::array<Flag, 6>{1, 1, 1, 1, 1, 1}));
}

TEST_F(ProfileReader, OtherRootElementStillLoads)
{
    std::string document = RenameElement(kDefault, "WRAPPER_TREE", "Something");
    document = ReplaceAll(document, "\t<gameMode", "<outer><gameMode");
    document = ReplaceAll(document, "</gameMode>", "</gameMode></outer>");
    EXPECT_EQ(Load(document), DefaultNamed("Test"));
}

TEST_F(ProfileReader, EnabledMustBeExactlyTrue)
{
    for (const char* value : {"True", "TRUE", "1", "yes", " true", ""}) {
        const std::string document
            = ReplaceAll(kDefault, "<NVA_Scout name=\"NVA_Scout\" enabled=\"true\">",
                std::string("<NVA_Scout name=\"NVA_Scout\" enabled=\"") + value + "\">");
        const std::optional<Profile> profile = Load(document);
        ASSERT_TRUE(profile) << value;
        EXPECT_EQ(profile->red.kits[0], 0) << value;
        EXPECT_EQ(profile->red.kits[1], 1) << value;
    }
}

TEST_F(ProfileReader, AntiTankKitsFillSlotsSixAndSeven)
{
    std::string document
        = ReplaceAll(kDefault, "<NVA_HeavyAssault name=\"NVA_HeavyAssault\" enabled=\"true\"",
            "<NVA_HeavyAssault name=\"NVA_HeavyAssault\" enabled=\"false\"");
    const std::optional<Profile> profile = Load(document);
    ASSERT_TRUE(profile);
    EXPECT_EQ(profile->red.kits, (std::array<Flag, 8>{1, 1, 1, 1, 1, 1, 0, 1}));
}

TEST_F(ProfileReader, LongNamesAreKept)
{
    const std::string name(100, 'n');
    folder.Write(name + ".wst", kDefault);
    const std::optional<Profile> profile = store.LoadProfile(name);
    ASSERT_TRUE(profile);
    EXPECT_EQ(profile->name, name);
}
