#include "TestDocuments.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using ProfileWriter = ProfileFolder;

// Each case loads a document, edits the record, saves it and compares the
// bytes written with the document edited by hand.
TEST_F(ProfileWriter, ChangesOnlyTheValuesOfTheRecord)
{
    struct Case {
        const char* name;
        std::function<void(Profile&)> change;
        std::string written;
        std::string document = kDefault;
        std::string refusal = "";  // the document then stays as it was
    };
    const std::vector<Case> cases = {
        // The nameID and everything else around the values stay as they were.
        {"substitute's name and change type", [](Profile& p) { p.vehicles[7].alternative = 6; },
            DefaultWith(
                "alternative=\"uaz\" changeType=\"1\"", "alternative=\"t54\" changeType=\"2\"")},
        // The one team element is written twice; red's flags are the ones that remain.
        {"same team on both sides keeps the red flags",
            [](Profile& p) {
                p.blue.team = 0;
                p.blue.kits.fill(0);
            },
            WithTeams("0/0")},
        // "TRUE" and "1" read as disabled and are written "false"; a missing
        // enabled and a missing changeType stay missing, unknown substitutes as they were.
        {"hand-written document gains no attribute", [](Profile&) {},
            ReplaceAll(ReplaceAll(kHandWritten, "\"TRUE\"", "\"false\""), "enabled=\"1\"",
                "enabled=\"false\""),
            kHandWritten},
        {"allowing a kit without an enabled attribute", [](Profile& p) { p.red.kits[3] = 1; },
            kHandWritten, kHandWritten, "usmarine_assault_alt has no enabled attribute"},
    };
    for (const Case& test : cases) {
        Profile profile = Load(test.document).value();
        test.change(profile);
        EXPECT_EQ(store.SaveProfile(profile), test.refusal.empty() ? 1 : 0) << test.name;
        EXPECT_EQ(store.saveProblem(), test.refusal) << test.name;
        EXPECT_EQ(folder.Read(kName + ".wst"), test.written) << test.name;
        EXPECT_EQ(folder.Entries(), std::set<std::string>{kName + ".wst"}) << test.name;
    }
}
