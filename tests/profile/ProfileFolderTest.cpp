#include "TestDocuments.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <functional>
#include <tuple>

namespace fs = std::filesystem;

using Names = std::vector<std::string>;
using Entries = std::set<std::string>;

// The extension counts in any case; only the built-in profile's own file,
// Default.wst spelt so, is left out. Links count as what they point to.
TEST_F(ProfileFolder, ListsTheProfileFilesSortedWithoutTheDefault)
{
    const std::vector<std::tuple<const char*, Names, int, Names>> cases = {
        // name, files besides the links and the folder, count, names listed
        {"case rules",
            {"Default.wst", "default.wst", "A.WST", "b.Wst", "charlie.wst", "Bravo.wst",
                "readme.txt", "x.wst.bak", ".wst", "DEFAULT.WST"},
            7, {"A", "b", "Bravo", "charlie", "DEFAULT", "default", "Linked"}},
        {"names differing only in case by bytes", {"b.wst", "B.wst", "a.wst"}, 3, {"a", "B", "b"}},
        {"letters beyond ASCII after ASCII, as ls sorts",
            {"\xC3\x89t\xC3\xA9.wst", "zulu.wst", "Alpha.wst"}, 3,
            {"Alpha", "zulu", "\xC3\x89t\xC3\xA9"}},
        {"only the default", {"Default.wst"}, 0, {}},
        {"no profile files", {"notes.txt"}, 0, {"<no .wst files found>"}},
    };
    for (const auto& [name, files, count, listed] : cases) {
        TestFolder listing;
        for (const std::string& file : files)
            listing.Write(file, "x");
        fs::create_directory(listing / "Folder.wst");
        fs::create_symlink(listing / "nowhere", listing / "Dangling.wst");
        fs::create_symlink(listing / "A.WST", listing / "Linked.wst");
        Names names{"stale entry"};
        EXPECT_EQ(ProfileStore(listing.path()).ListProfiles(names), count) << name;
        EXPECT_EQ(names, listed) << name;
    }
    Names names{"stale entry"};
    EXPECT_EQ(ProfileStore(folder / "missing").ListProfiles(names), -1);
    EXPECT_EQ(names, Names{"<directory error>"});
}

TEST_F(ProfileFolder, ChangedOnDiskTellsWhatAnotherProgramDid)
{
    const std::vector<std::tuple<const char*, std::function<void()>, bool>> cases = {
        // name, change to A.wst after it was loaded, changed
        {"untouched", [] {}, false},
        {"same size, same moment", [&] { folder.Write("A.wst", WithTeams("2/0")); }, true},
        {"same bytes, another file",
            [&] {
                folder.Write("B.wst", kDefault);
                fs::rename(folder / "B.wst", folder / "A.wst");
            },
            true},
        {"removed", [&] { fs::remove(folder / "A.wst"); }, true},
    };
    for (const auto& [name, change, changed] : cases) {
        folder.Write("A.wst", kDefault);
        const Profile profile = store.LoadProfile("A").value();
        change();
        EXPECT_EQ(store.ChangedOnDisk(profile), changed) << name;
        ASSERT_EQ(store.SaveProfile(profile), 1);
        EXPECT_FALSE(store.ChangedOnDisk(profile)) << name;
    }
}

// New profiles copy Default.wst, so there are none without it; unsafe names
// are refused before anything is written.
TEST_F(ProfileFolder, CreateNeedsTheDefaultFileAndRefusesUnsafeNames)
{
    EXPECT_FALSE(store.CreateProfileFile("New"));
    folder.Write("Default.wst", kDefault);
    fs::create_directory(folder / "sub");
    for (const char* name :
        {"", ".", "..", "sub/x", "../escape", "back\\slash", "tab\there", "line\nfeed", "del\x7f"})
        EXPECT_FALSE(store.CreateProfileFile(name)) << name;
    EXPECT_EQ(folder.Entries(), (Entries{"Default.wst", "sub"}));
    EXPECT_TRUE(fs::is_empty(folder / "sub"));
    EXPECT_TRUE(IsSafeProfileName("...Ünïcödé with space"));
    // Loading the built-in profile rewrites Default.wst, byte for byte the
    // game's document, and fails when it cannot.
    folder.Write("Default.wst", "edited");
    ASSERT_TRUE(store.LoadDefaultProfile());
    EXPECT_EQ(folder.Read("Default.wst"), kDefault);
    // One that holds it already is left alone, unless it could not be written.
    const auto written = fs::last_write_time(folder / "Default.wst");
    fs::last_write_time(folder / "Default.wst", written - std::chrono::hours(1));
    ASSERT_TRUE(store.LoadDefaultProfile());
    EXPECT_EQ(fs::last_write_time(folder / "Default.wst"), written - std::chrono::hours(1));
    // A start that finds it so does not parse it: Save As of "Default" still
    // gets the whole document, and a profile loaded next is saved from its own.
    ProfileStore starting(folder.path());
    Profile copy = starting.LoadDefaultProfile().value();
    copy.name = "Copy";
    copy.red.kits[1] = 0;
    ASSERT_EQ(starting.SaveProfile(copy), 1);
    EXPECT_EQ(folder.Read("Copy.wst"), KitOff(kDefault, "NVA_Scout_Alt"));
    const auto savedBy = [&](ProfileStore& saving) {
        folder.Write("Copy.wst", kHandWritten);
        EXPECT_EQ(saving.SaveProfile(saving.LoadProfile("Copy").value()), 1);
        return folder.Read("Copy.wst");
    };
    ASSERT_TRUE(starting.LoadDefaultProfile());
    ProfileStore reference(folder.path());
    EXPECT_EQ(savedBy(starting), savedBy(reference));
    fs::remove(folder / "Copy.wst");
    fs::permissions(folder / "Default.wst", fs::perms::owner_read);
    EXPECT_FALSE(store.LoadDefaultProfile());
    fs::remove(folder / "Default.wst");
    fs::create_directories(folder / "Default.wst" / "in the way");
    EXPECT_FALSE(store.LoadDefaultProfile());
}

// Export saves, then copies unless the destination is the profile's own file
// (by any spelling); a failed save copies nothing.
TEST_F(ProfileFolder, ExportCopiesTheSavedFileUnlessOntoItself)
{
    folder.Write("CustomCombat.wst", kDefault);
    fs::create_directory(folder / "server");
    Profile profile = store.LoadProfile("CustomCombat").value();
    profile.red.kits[1] = 0;
    EXPECT_EQ(store.ExportProfile(profile, folder / "server" / ".." / "CustomCombat.wst"), 0);
    EXPECT_EQ(store.ExportProfile(profile, folder / "customcombat.wst"), 0);
    for (const char* copy : {"CustomCombat.wst", "customcombat.wst"})
        EXPECT_EQ(folder.Read(copy), KitOff(kDefault, "NVA_Scout_Alt")) << copy;

    folder.Write("server/CustomCombat.wst", "older");
    folder.Write("Broken.wst", "<broken/>");
    ASSERT_FALSE(store.LoadProfile("Broken"));
    EXPECT_EQ(store.ExportProfile(profile, folder / "server" / "CustomCombat.wst"), EBADMSG);
    EXPECT_EQ(folder.Read("server/CustomCombat.wst"), "older");
    EXPECT_EQ(folder.Entries(),
        (Entries{"Broken.wst", "CustomCombat.wst", "customcombat.wst", "server"}));
}
