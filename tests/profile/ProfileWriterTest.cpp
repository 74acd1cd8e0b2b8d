#include "profile/ProfileWriter.h"
#include "profile/ProfileStore.h"
#include "profile/XmlAccess.h"

#include "TestDocuments.h"
#include "tests/support/TestFolder.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

using Change = std::function<void(Profile&)>;

// Loads document as the profile "Test", lets change edit the record, saves it
// and gives the bytes written.
class ProfileWriter : public ::testing::Test {
protected:
    std::string SaveEdited(const std::string& document, const Change& change)
    {
        folder.Write("Test.wst", document);
        Profile profile = store.LoadProfile("Test").value();
        change(profile);
        EXPECT_EQ(store.SaveProfile(profile), 1);
        return folder.Read("Test.wst");
    }

    TestFolder folder;
    ProfileStore store{folder.path()};
};

Change Substitute(std::size_t vehicle, int substitute)
{
    return [=](Profile& profile) { profile.vehicles[vehicle].alternative = substitute; };
}

// The last weapon slot of the first team, NVA.
std::string LastNvaSlot(std::string_view enabled)
{
    return "\"" + std::string(enabled)
        + "\">\r\n\t\t\t\t\t</slot_>\r\n\t\t\t\t</weapons>\r\n\t\t\t</NVA>";
}

}  // namespace

TEST_F(ProfileWriter, ChangesOnlyTheValuesOfTheRecord)
{
    struct Case {
        const char* name;
        Change change;
        std::string before;
        std::string after;
    };
    const std::vector<Case> cases = {
        {"unchanged, blue team first", [](Profile&) {}, "activeTeams=\"3/0\"",
            "activeTeams=\"3/0\""},
        // The nameID and everything else around the values stay as they were.
        {"substitute's name and change type", Substitute(7, 6),
            "alternative=\"uaz\" changeType=\"1\"", "alternative=\"t54\" changeType=\"2\""},
        {"mutt becomes mutt alt", Substitute(10, 12), "alternative=\"mutt\" changeType=\"1\"",
            "alternative=\"mutt2\" changeType=\"1\""},
        {"mutt alt becomes vespa", Substitute(12, 8), "alternative=\"mutt2\" changeType=\"1\"",
            "alternative=\"vespa\" changeType=\"0\""},
        {"loach becomes hormone", Substitute(25, 24), "alternative=\"OH-6\" changeType=\"0\"",
            "alternative=\"KA-25\" changeType=\"0\""},
        {"unknown substitute leaves the element", Substitute(3, -1), "<m113", "<m113"},
        {"substitute beyond the catalog leaves the element", Substitute(3, 26), "<m113", "<m113"},
        {"flag other than 1 is written false", [](Profile& profile) { profile.red.kits[0] = 2; },
            "\"NVA_Scout\" enabled=\"true\"", "\"NVA_Scout\" enabled=\"false\""},
        {"last weapon slot", [](Profile& profile) { profile.red.weapons[5] = 0; },
            LastNvaSlot("true"), LastNvaSlot("false")},
        {"anti-tank slot writes the heavy assault kit",
            [](Profile& profile) { profile.blue.kits[7] = 0; },
            "\"USArmy_HeavyAssault_alt\" enabled=\"true\"",
            "\"USArmy_HeavyAssault_alt\" enabled=\"false\""},
    };
    for (const Case& test : cases) {
        ASSERT_NE(kDefault.find(test.before), std::string::npos) << test.name;
        EXPECT_EQ(SaveEdited(kDefault, test.change), ReplaceAll(kDefault, test.before, test.after))
            << test.name;
    }
    EXPECT_EQ(folder.Entries(), std::set<std::string>{"Test.wst"});
}

TEST_F(ProfileWriter, HandWrittenDocumentGainsNoAttribute)
{
    // "TRUE" and "1" read as disabled and are written as "false"; the unknown
    // substitutes, the missing changeType and the missing enabled stay as they are.
    std::string expected = ReplaceAll(kHandWritten, "\"TRUE\"", "\"false\"");
    expected = ReplaceAll(expected, "enabled=\"1\"", "enabled=\"false\"");
    expected = ReplaceAll(expected, "alternative=\"oh-6\"", "alternative=\"KA-25\"");
    const std::string written = SaveEdited(kHandWritten, [](Profile& profile) {
        profile.vehicles[25].alternative = 24;
        profile.red.kits[3] = 1;  // usmarine_assault_alt, which has no enabled
    });
    EXPECT_EQ(written, expected);
}

// The one team element is written twice; red's flags are the ones that remain.
TEST_F(ProfileWriter, SameTeamOnBothSidesKeepsTheRedFlags)
{
    const std::string written = SaveEdited(kDefault, [](Profile& profile) {
        profile.blue.team = 0;
        profile.blue.kits.fill(0);
    });
    EXPECT_EQ(written, ReplaceAll(kDefault, "activeTeams=\"3/0\"", "activeTeams=\"0/0\""));
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

TEST(WriteProfile, ChangesNothingWhenAnElementIsMissing)
{
    struct Case {
        const char* name;
        std::string document;
        int blueTeam;
        int redTeam;
    };
    const std::vector<Case> cases = {
        {"no document", "", 3, 0},
        {"no gameMode", RenameElement(kDefault, "gameMode", "x"), 3, 0},
        {"no blue team", RenameElement(kDefault, "USArmy", "x"), 3, 0},
        {"no red team", RenameElement(kDefault, "NVA", "x"), 3, 0},
        {"team beyond the catalog", kDefault, 6, 0},
        {"negative team", kDefault, 3, -1},
        {"no kit", RenameElement(kDefault, "NVA_Engineer_Alt", "x"), 3, 0},
        {"no weapons", RenameElement(kDefault, "weapons", "x"), 3, 0},
        {"no vehicleTypes", RenameElement(kDefault, "vehicleTypes", "x"), 3, 0},
        {"no vehicle", RenameElement(kDefault, "OH-6", "x"), 3, 0},
    };
    for (const Case& test : cases) {
        XmlDocument document;
        LoadXmlText(document, test.document);
        const std::string before = document.Serialize();
        Profile profile = BuiltInDefaultProfile();
        profile.blue.team = test.blueTeam;
        profile.red.team = test.redTeam;
        profile.red.kits.fill(0);
        profile.vehicles[0].alternative = 1;
        EXPECT_FALSE(WriteProfile(document, profile)) << test.name;
        EXPECT_EQ(document.Serialize(), before) << test.name;
    }
}
