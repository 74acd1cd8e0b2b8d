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

// Each case loads a document as "Test", edits the record, saves it and
// compares the bytes written with the document edited by hand.
TEST(ProfileWriter, ChangesOnlyTheValuesOfTheRecord)
{
    struct Case {
        const char* name;
        Change change;
        std::string before;  // in the built-in document, or the hand-written one
        std::string after;
        const std::string& document = kDefault;
    };
    const std::vector<Case> cases = {
        // The nameID and everything else around the values stay as they were.
        {"substitute's name and change type", Substitute(7, 6),
            "alternative=\"uaz\" changeType=\"1\"", "alternative=\"t54\" changeType=\"2\""},
        {"mutt alt becomes vespa", Substitute(12, 8), "alternative=\"mutt2\" changeType=\"1\"",
            "alternative=\"vespa\" changeType=\"0\""},
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
        // The one team element is written twice; red's flags are the ones that remain.
        {"same team on both sides keeps the red flags",
            [](Profile& profile) {
                profile.blue.team = 0;
                profile.blue.kits.fill(0);
            },
            "activeTeams=\"3/0\"", "activeTeams=\"0/0\""},
        // "TRUE" and "1" read as disabled and are written "false"; a missing
        // enabled and a missing changeType stay missing.
        {"hand-written document gains no attribute", [](Profile&) {}, "\"TRUE\"", "\"false\"",
            kHandWritten},
    };
    for (const Case& test : cases) {
        TestFolder folder;
        ProfileStore store(folder.path());
        folder.Write("Test.wst", test.document);
        Profile profile = store.LoadProfile("Test").value();
        test.change(profile);
        EXPECT_EQ(store.SaveProfile(profile), 1) << test.name;
        std::string expected = ReplaceAll(test.document, test.before, test.after);
        if (&test.document == &kHandWritten)
            expected = ReplaceAll(expected, "enabled=\"1\"", "enabled=\"false\"");
        ASSERT_NE(test.document.find(test.before), std::string::npos) << test.name;
        EXPECT_EQ(folder.Read("Test.wst"), expected) << test.name;
        EXPECT_EQ(folder.Entries(), std::set<std::string>{"Test.wst"}) << test.name;
    }
    // Allowing a kit whose element has no enabled attribute is refused whole.
    TestFolder folder;
    ProfileStore store(folder.path());
    folder.Write("Test.wst", kHandWritten);
    Profile profile = store.LoadProfile("Test").value();
    profile.red.kits[3] = 1;
    EXPECT_EQ(store.SaveProfile(profile), 0);
    EXPECT_EQ(store.lastError(), "usmarine_assault_alt has no enabled attribute");
    EXPECT_EQ(folder.Read("Test.wst"), kHandWritten);
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
