#include "profile/ProfileWriter.h"
#include "profile/DefaultDocument.h"
#include "profile/ProfileStore.h"
#include "profile/XmlAccess.h"

#include "CaseName.h"
#include "FileSizeLimit.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

const std::string kDefault(DefaultDocument());

std::string HandWritten()
{
    return ReadTestData("HandWritten.wst");
}

// Loads document as the profile "Test", lets change edit the record, saves it
// and gives the bytes written.
class ProfileWriter : public ::testing::Test {
protected:
    template <typename Change> std::string SaveEdited(const std::string& document, Change change)
    {
        folder.Write("Test.wst", document);
        std::optional<Profile> profile = store.LoadProfile("Test");
        EXPECT_TRUE(profile) << store.lastError();
        if (!profile)
            return {};
        change(*profile);
        EXPECT_EQ(store.SaveProfile(*profile), 1);
        return folder.Read("Test.wst");
    }

    TestFolder folder;
    ProfileStore store{folder.path()};
};

}  // namespace

TEST_F(ProfileWriter, UnchangedProfileWritesTheSameBytes)
{
    EXPECT_EQ(SaveEdited(kDefault, [](Profile&) {}), kDefault);
    EXPECT_EQ(folder.Entries(), std::set<std::string>{"Test.wst"});
}

TEST_F(ProfileWriter, HandWrittenDocumentChangesOnlyTheValuesWritten)
{
    // "TRUE" and "1" read as disabled and are written as "false"; the unknown
    // substitutes, the missing changeType and the missing enabled stay as they are.
    std::string expected = ReplaceAll(HandWritten(), "enabled=\"TRUE\"", "enabled=\"false\"");
    expected = ReplaceAll(expected, "enabled=\"1\"", "enabled=\"false\"");
    EXPECT_EQ(SaveEdited(HandWritten(), [](Profile&) {}), expected);
}

struct VehicleEditCase {
    const char* name;
    int vehicle;
    int substitute;
    std::string before;
    std::string after;
    friend void PrintTo(const VehicleEditCase& testCase, std::ostream* out)
    {
        *out << testCase.name;
    }
};

class ProfileWriterVehicles : public ProfileWriter,
                              public ::testing::WithParamInterface<VehicleEditCase> { };

TEST_P(ProfileWriterVehicles, WritesTheSubstitutesNameAndChangeType)
{
    const VehicleEditCase& edit = GetParam();
    ASSERT_NE(kDefault.find(edit.before), std::string::npos);
    const std::string written = SaveEdited(kDefault, [&](Profile& profile) {
        profile.vehicles[static_cast<std::size_t>(edit.vehicle)].alternative = edit.substitute;
    });
    EXPECT_EQ(written, ReplaceAll(kDefault, edit.before, edit.after));
}

INSTANTIATE_TEST_SUITE_P(Edits, ProfileWriterVehicles,
    ::testing::Values(VehicleEditCase{"UazBecomesT54", 7, 6,
                          "<uaz name=\"uaz\" alternative=\"uaz\" changeType=\"1\" nameID=\"\">",
                          "<uaz name=\"uaz\" alternative=\"t54\" changeType=\"2\" nameID=\"\">"},
        VehicleEditCase{"MuttBecomesMuttAlt", 10, 12,
            "<mutt name=\"mutt\" alternative=\"mutt\" changeType=\"1\" nameID=\"\">",
            "<mutt name=\"mutt\" alternative=\"mutt2\" changeType=\"1\" nameID=\"\">"},
        VehicleEditCase{"MuttAltKeepsItsNameId", 12, 8,
            "<mutt2 name=\"mutt2\" alternative=\"mutt2\" changeType=\"1\" nameID=\"mutt_alt\">",
            "<mutt2 name=\"mutt2\" alternative=\"vespa\" changeType=\"0\" nameID=\"mutt_alt\">"},
        VehicleEditCase{"LoachBecomesHormone", 25, 24,
            "<OH-6 name=\"OH-6\" alternative=\"OH-6\" changeType=\"0\" nameID=\"\">",
            "<OH-6 name=\"OH-6\" alternative=\"KA-25\" changeType=\"0\" nameID=\"\">"},
        VehicleEditCase{"UnknownSubstituteLeavesTheElement", 3, -1, "<m113", "<m113"},
        VehicleEditCase{"SubstituteBeyondCatalogLeavesTheElement", 3, 26, "<m113", "<m113"}),
    CaseName());

TEST_F(ProfileWriter, FlagsOtherThanOneAreWrittenFalse)
{
    const std::string written = SaveEdited(kDefault, [](Profile& profile) {
        profile.red.kits[0] = 2;
        profile.red.weapons[5] = 0;
    });
    std::string expected = ReplaceAll(kDefault, "<NVA_Scout name=\"NVA_Scout\" enabled=\"true\">",
        "<NVA_Scout name=\"NVA_Scout\" enabled=\"false\">");
    const std::size_t lastSlot = expected.rfind("<slot_", expected.find("</weapons>"));
    expected.replace(expected.find("\"true\"", lastSlot), 6, "\"false\"");
    EXPECT_EQ(written, expected);
}

TEST_F(ProfileWriter, AntiTankSlotsWriteTheHeavyAssaultKits)
{
    const std::string written
        = SaveEdited(kDefault, [](Profile& profile) { profile.blue.kits[7] = 0; });
    EXPECT_EQ(written,
        ReplaceAll(kDefault, "name=\"USArmy_HeavyAssault_alt\" enabled=\"true\"",
            "name=\"USArmy_HeavyAssault_alt\" enabled=\"false\""));
}

TEST_F(ProfileWriter, ActiveTeamsPutsBlueFirstAndMovesTheWrittenTeams)
{
    const std::string written = SaveEdited(kDefault, [](Profile& profile) {
        profile.blue.team = 5;
        profile.red.team = 2;
        profile.blue.kits.fill(0);
    });
    EXPECT_NE(written.find("activeTeams=\"5/2\""), std::string::npos);
    EXPECT_NE(written.find("<specialforces_recon name=\"specialforces_recon\" enabled=\"false\">"),
        std::string::npos);
    EXPECT_NE(
        written.find("<usarmy_recon name=\"usarmy_recon\" enabled=\"true\">"), std::string::npos);
}

TEST_F(ProfileWriter, SameTeamTwiceKeepsTheRedFlags)
{
    const std::string written = SaveEdited(kDefault, [](Profile& profile) {
        profile.blue.team = 0;
        profile.blue.kits.fill(0);
    });
    EXPECT_NE(written.find("activeTeams=\"0/0\""), std::string::npos);
    EXPECT_EQ(written.find("enabled=\"false\""), std::string::npos);
}

TEST_F(ProfileWriter, ReadingBackGivesTheSameRecord)
{
    Profile edited;
    SaveEdited(kDefault, [&](Profile& profile) {
        profile.blue.team = 1;
        profile.red.team = 4;
        profile.blue.kits = {0, 1, 0, 1, 0, 1, 0, 1};
        profile.red.weapons = {1, 0, 0, 1, 1, 0};
        for (std::size_t i = 0; i < profile.vehicles.size(); ++i)
            profile.vehicles[i].alternative = static_cast<int>(profile.vehicles.size() - 1 - i);
        edited = profile;
    });
    EXPECT_EQ(store.LoadProfile("Test"), edited);
}

TEST_F(ProfileWriter, AttributesTheDocumentLacksAreNotAdded)
{
    const std::string written = SaveEdited(HandWritten(), [](Profile& profile) {
        profile.vehicles[25].alternative = 24;
        profile.red.kits[3] = 1;
    });
    EXPECT_NE(
        written.find("<OH-6 name=\"OH-6\" alternative=\"KA-25\" nameID=\"\"/>"), std::string::npos);
    EXPECT_NE(
        written.find("<usmarine_assault_alt name=\"usmarine_assault_alt\"/>"), std::string::npos);
}

TEST_F(ProfileWriter, SaveKeepsThePermissionBits)
{
    folder.Write("Test.wst", kDefault);
    ASSERT_EQ(chmod((folder / "Test.wst").c_str(), 0604), 0);
    SaveEdited(kDefault, [](Profile& profile) { profile.red.kits[1] = 0; });
    struct stat status { };
    ASSERT_EQ(stat((folder / "Test.wst").c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0604u);
}

TEST_F(ProfileWriter, FailedWriteLeavesTheOldFile)
{
    folder.Write("Test.wst", kDefault);
    std::optional<Profile> profile = store.LoadProfile("Test");
    ASSERT_TRUE(profile);
    profile->red.kits.fill(0);
    int result = 0;
    {
        FileSizeLimit limit(1000);  // smaller than the document
        result = store.SaveProfile(*profile);
    }
    EXPECT_EQ(result, 0);
    EXPECT_EQ(folder.Read("Test.wst"), kDefault);
    EXPECT_EQ(folder.Entries(), std::set<std::string>{"Test.wst"});
}

struct MissingElementCase {
    const char* name;
    std::string document;
    int blueTeam;
    int redTeam;
    friend void PrintTo(const MissingElementCase& testCase, std::ostream* out)
    {
        *out << testCase.name;
    }
};

class ProfileWriterRefusal : public ::testing::TestWithParam<MissingElementCase> { };

TEST_P(ProfileWriterRefusal, ChangesNothingWhenAnElementIsMissing)
{
    XmlDocument document;
    LoadXmlText(document, GetParam().document);
    const std::string before = document.Serialize();
    Profile profile = BuiltInDefaultProfile();
    profile.blue.team = GetParam().blueTeam;
    profile.red.team = GetParam().redTeam;
    profile.red.kits.fill(0);
    profile.vehicles[0].alternative = 1;
    EXPECT_FALSE(WriteProfile(document, profile));
    EXPECT_EQ(document.Serialize(), before);
}

INSTANTIATE_TEST_SUITE_P(Documents, ProfileWriterRefusal,
    ::testing::Values(MissingElementCase{"NoDocument", "", 3, 0},
        MissingElementCase{"NoGameMode", RenameElement(kDefault, "gameMode", "x"), 3, 0},
        MissingElementCase{"NoBlueTeam", RenameElement(kDefault, "USArmy", "x"), 3, 0},
        MissingElementCase{"NoRedTeam", RenameElement(kDefault, "NVA", "x"), 3, 0},
        MissingElementCase{"TeamBeyondCatalog", kDefault, 6, 0},
        MissingElementCase{"NegativeTeam", kDefault, 3, -1},
        MissingElementCase{"NoKit", RenameElement(kDefault, "NVA_Engineer_Alt", "x"), 3, 0},
        MissingElementCase{"NoWeapons", RenameElement(kDefault, "weapons", "x"), 3, 0},
        MissingElementCase{"NoVehicleTypes", RenameElement(kDefault, "vehicleTypes", "x"), 3, 0},
        MissingElementCase{"NoVehicle", RenameElement(kDefault, "OH-6", "x"), 3, 0}),
    CaseName());

TEST_F(ProfileWriter, MissingElementLeavesTheFileOnDisk)
{
    folder.Write("Test.wst", kDefault);
    store.LoadProfile("Missing");  // the held document now has no root element
    Profile profile = BuiltInDefaultProfile();
    profile.name = "Test";
    EXPECT_EQ(store.SaveProfile(profile), 0);
    EXPECT_EQ(folder.Read("Test.wst"), kDefault);
    EXPECT_EQ(folder.Entries(), std::set<std::string>{"Test.wst"});
}
