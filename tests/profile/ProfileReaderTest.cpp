#include "profile/ProfileWriter.h"
#include "profile/RegularFile.h"
#include "profile/XmlAccess.h"

#include "TestDocuments.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cerrno>
#include <functional>
#include <tuple>
#include <vector>

namespace {

using ProfileReader = ProfileFolder;

// The default document with the first team's (NVA's) weapons element replaced.
std::string NvaWeapons(std::string_view replacement)
{
    std::string document = kDefault;
    const std::size_t start = document.find("\t\t\t\t<weapons>");
    const std::size_t end
        = document.find("</weapons>", start) + std::string_view("</weapons>").size();
    return document.replace(start, end - start, replacement);
}

// What WriteProfile says when it puts a changed profile into the document,
// which must then stay as it was.
std::string WriterRefusal(const std::string& text)
{
    XmlDocument document;
    LoadXmlText(document, text);
    const std::string before = document.Serialize();
    Profile profile = BuiltInDefaultProfile();
    profile.red = {0, {}, {}};  // every kit and slot off
    profile.vehicles[0].alternative = 1;
    std::string missing;
    const bool written = WriteProfile(document, profile, missing);
    return written || document.Serialize() != before ? "written" : missing;
}

}  // namespace

TEST_F(ProfileReader, ReadsWhatTheDocumentHolds)
{
    struct Case {
        std::string name;
        std::string document;
        std::function<void(Profile&)> change = [](Profile&) {};  // to the built-in values
        int blueTeam = 3;
        int redTeam = 0;
    };
    const std::vector<Case> cases = {
        // activeTeams: the first and the third character, 0 for any but a digit.
        {"teams swapped", WithTeams("0/3"), {}, 0, 3},
        {"letters", WithTeams("ab/cd"), {}, 0, 0},
        {"second character ignored, longer text", WithTeams("2x5/1"), {}, 2, 5},
        {"anti-tank kit fills slot six", KitOff(kDefault, "NVA_HeavyAssault"),
            [](Profile& profile) { profile.red.kits[6] = 0; }},
        // NVA loses its weapons; the search runs on into VietCong's, whose first
        // slot is disabled.
        {"team without weapons reads the next team's", WeaponOff(NvaWeapons(""), "VietCong", 1),
            [](Profile& profile) { profile.red.weapons[0] = 0; }},
        {"hand-written", kHandWritten,
            [](Profile& profile) {
                // "TRUE" and "1" are not "true"; a missing enabled reads as disabled.
                // Four weapon slots, the rest 0; a seventh slot is never read.
                profile.blue = {1, {1, 0, 1, 1, 1, 0, 0, 1}, {1, 0, 1, 1, 0, 0}};
                profile.red = {4, {0, 1, 1, 0, 1, 0, 1, 1}, {1, 1, 1, 1, 1, 0}};
                profile.vehicles[7].alternative = 6;    // uaz -> t54
                profile.vehicles[10].alternative = 12;  // mutt -> mutt2
                profile.vehicles[14].alternative = -1;  // sampan -> junk
                profile.vehicles[24].alternative = 25;  // KA-25 -> OH-6
                profile.vehicles[25].alternative = -1;  // OH-6 -> oh-6: case counts
            }},
    };
    for (const Case& test : cases) {
        Profile expected = BuiltInDefaultProfile();
        expected.name = kName;
        expected.blue.team = test.blueTeam;
        expected.red.team = test.redTeam;
        if (test.change)
            test.change(expected);
        EXPECT_EQ(Load(test.document), expected) << test.name << ": " << store.lastError();
        EXPECT_EQ(store.lastError(), "") << test.name;
    }
}

// Where an element is missing the writer refuses with the same message and
// changes nothing.
TEST_F(ProfileReader, RefusesADocumentAndSaysWhy)
{
    const std::string levels(200000, 'a');
    const std::string deep = ReplaceAll(levels, "a", "<a>") + "<gameMode activeTeams=\"3/0\"/>"
        + ReplaceAll(levels, "a", "</a>");
    const std::vector<std::tuple<const char*, std::string, std::string, bool>> cases = {
        // name, document, message, also the writer's
        {"empty file", "", "No gameMode tag found!", true},
        {"no gameMode", DefaultWithout("gameMode"), "No gameMode tag found!", true},
        {"no activeTeams", DefaultWith(" activeTeams=\"3/0\"", ""), "No activeTeams found!", false},
        {"no blue team", DefaultWithout("USArmy"), "No blueTeam tag found!", true},
        {"no red team", DefaultWithout("NVA"), "No redTeam tag found!", true},
        {"blue team beyond the catalog", WithTeams("7/0"), "No blueTeam tag found!", false},
        {"red team beyond the catalog", WithTeams("3/9"), "No redTeam tag found!", false},
        {"first missing kit in column order",
            ReplaceAll(DefaultWithout("NVA_Engineer"), "NVA_HeavyAssault_Alt", "X"),
            "No NVA_HeavyAssault_Alt tag found!", true},
        {"no weapons anywhere", ReplaceAll(kDefault, "weapons>", "arms>"), "No weapons tag found!",
            true},
        {"weapons without children", NvaWeapons("<weapons>\r\n</weapons>"), "No slot_ tag found!",
            false},
        {"comment among slots", NvaWeapons("<weapons><slot_/><!-- x --><slot_/></weapons>"),
            "No slot_ tag found!", false},
        {"no vehicleTypes", ReplaceAll(kDefault, "vehicleTypes>", "types>"),
            "No vehicleTypes tag found!", true},
        {"no vehicle", DefaultWithout("OH-6"), "No OH-6 tag found!", true},
        {"gameMode 200000 elements deep", deep, "No blueTeam tag found!", true},
    };
    for (const auto& [name, document, message, alsoWriter] : cases) {
        EXPECT_FALSE(Load(document)) << name;
        EXPECT_EQ(store.lastError(), message) << name;
        if (alsoWriter) {
            EXPECT_EQ(WriterRefusal(document), message) << name;
        }
    }
}

// Opening a FIFO or a device must not wait for a writer or read forever.
TEST_F(ProfileReader, RefusesUnreadableFilesWithTheirReason)
{
    namespace fs = std::filesystem;
    folder.Write("Big.wst", "");
    fs::resize_file(folder / "Big.wst", kMaximumProfileBytes + 1);  // sparse: quick
    ASSERT_EQ(::mkfifo((folder / "Fifo.wst").c_str(), 0600), 0);
    fs::create_symlink("/dev/zero", folder / "Zero.wst");
    const std::vector<std::tuple<const char*, int, std::string>> cases = {
        {"Fifo", EINVAL, "Not a regular file"},
        {"Zero", EINVAL, "Not a regular file"},
        {"Big", EFBIG, "The file is 16777217 bytes, more than a profile may have (16777216)"},
    };
    for (const auto& [name, code, message] : cases) {
        EXPECT_FALSE(store.LoadProfile(name)) << name;
        EXPECT_EQ(store.lastError(), message) << name;
        EXPECT_EQ(store.lastErrorCode(), code) << name;
        EXPECT_EQ(store.lastErrorDetail(), "") << name;
    }
}
