#include "profile/ProfileWriter.h"
#include "profile/ProfileStore.h"
#include "profile/XmlAccess.h"

#include "TestDocuments.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>
#include <vector>

namespace {

using Change = std::function<void(Profile&)>;

Change Substitute(std::size_t vehicle, int substitute)
{
    return [=](Profile& profile) { profile.vehicles[vehicle].alternative = substitute; };
}

}  // namespace

// Each case loads a document as "Test", edits the record, saves it and
// compares the bytes written with the document edited by hand.
TEST(ProfileWriter, ChangesOnlyTheValuesOfTheRecord)
{
    struct Case {
        const char* name;
        Change change;
        std::string document;
        std::string written;
        std::string refusal = "";  // the document then stays as it was
    };
    const std::vector<Case> cases = {
        // The nameID and everything else around the values stay as they were.
        {"substitute's name and change type", Substitute(7, 6), kDefault,
            DefaultWith(
                "alternative=\"uaz\" changeType=\"1\"", "alternative=\"t54\" changeType=\"2\"")},
        {"mutt alt becomes vespa", Substitute(12, 8), kDefault,
            DefaultWith("alternative=\"mutt2\" changeType=\"1\"",
                "alternative=\"vespa\" changeType=\"0\"")},
        {"unknown substitute leaves the element", Substitute(3, -1), kDefault, kDefault},
        {"substitute beyond the catalog leaves the element", Substitute(3, 26), kDefault, kDefault},
        {"flag other than 1 is written false", [](Profile& profile) { profile.red.kits[0] = 2; },
            kDefault, KitOff(kDefault, "NVA_Scout")},
        {"last weapon slot", [](Profile& profile) { profile.red.weapons[5] = 0; }, kDefault,
            WeaponOff(kDefault, "NVA", 6)},
        {"anti-tank slot writes the heavy assault kit",
            [](Profile& profile) { profile.blue.kits[7] = 0; }, kDefault,
            KitOff(kDefault, "USArmy_HeavyAssault_alt")},
        // The one team element is written twice; red's flags are the ones that remain.
        {"same team on both sides keeps the red flags",
            [](Profile& profile) {
                profile.blue.team = 0;
                profile.blue.kits.fill(0);
            },
            kDefault, WithTeams("0/0")},
        // "TRUE" and "1" read as disabled and are written "false"; a missing
        // enabled and a missing changeType stay missing.
        {"hand-written document gains no attribute", [](Profile&) {}, kHandWritten,
            ReplaceAll(ReplaceAll(kHandWritten, "\"TRUE\"", "\"false\""), "enabled=\"1\"",
                "enabled=\"false\"")},
        {"allowing a kit without an enabled attribute",
            [](Profile& profile) { profile.red.kits[3] = 1; }, kHandWritten, kHandWritten,
            "usmarine_assault_alt has no enabled attribute"},
    };
    for (const Case& test : cases) {
        TestFolder folder;
        ProfileStore store(folder.path());
        folder.Write("Test.wst", test.document);
        Profile profile = store.LoadProfile("Test").value();
        test.change(profile);
        EXPECT_EQ(store.SaveProfile(profile), test.refusal.empty() ? 1 : 0) << test.name;
        EXPECT_EQ(store.lastError(), test.refusal) << test.name;
        EXPECT_EQ(folder.Read("Test.wst"), test.written) << test.name;
        EXPECT_EQ(folder.Entries(), std::set<std::string>{"Test.wst"}) << test.name;
    }
}

TEST(WriteProfile, ChangesNothingWhenAnElementIsMissing)
{
    const std::vector<std::tuple<const char*, std::string, int, int>> cases = {
        // name, document, blue team, red team
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
    for (const auto& [name, text, blueTeam, redTeam] : cases) {
        XmlDocument document;
        LoadXmlText(document, text);
        const std::string before = document.Serialize();
        Profile profile = BuiltInDefaultProfile();
        profile.blue.team = blueTeam;
        profile.red.team = redTeam;
        profile.red.kits.fill(0);
        profile.vehicles[0].alternative = 1;
        EXPECT_FALSE(WriteProfile(document, profile)) << name;
        EXPECT_EQ(document.Serialize(), before) << name;
    }
}
