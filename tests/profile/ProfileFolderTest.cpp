#include "profile/ProfileStore.h"

#include "TestDocuments.h"
#include "tests/support/TestFolder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <functional>

namespace fs = std::filesystem;

namespace {

using Names = std::vector<std::string>;
using Entries = std::set<std::string>;

class ProfileFolder : public ::testing::Test {
protected:
    TestFolder folder;
    ProfileStore store{folder.path()};
};

}  // namespace

TEST_F(ProfileFolder, ListsTheProfileFilesSortedWithoutTheDefault)
{
    struct Case {
        const char* name;
        Names files;
        int count;
        Names listed;
    };
    // The extension and the exclusion of Default.wst count in any case; links
    // count as what they point to.
    const std::vector<Case> cases = {
        {"case rules",
            {"Default.wst", "default.wst", "A.WST", "b.Wst", "charlie.wst", "Bravo.wst",
                "readme.txt", "x.wst.bak", ".wst", "DEFAULT.WST"},
            5, {"A", "b", "Bravo", "charlie", "Linked"}},
        {"names differing only in case by bytes", {"b.wst", "B.wst", "a.wst"}, 3, {"a", "B", "b"}},
        {"long name", {std::string(200, 'p') + ".wst"}, 1, {std::string(200, 'p')}},
        {"only the default", {"default.WST"}, 0, {}},
        {"no profile files", {"notes.txt"}, 0, {"<no .wst files found>"}},
    };
    for (const Case& test : cases) {
        TestFolder listed;
        for (const std::string& file : test.files)
            listed.Write(file, "x");
        fs::create_directory(listed / "Folder.wst");
        fs::create_symlink(listed / "nowhere", listed / "Dangling.wst");
        fs::create_symlink(listed / "A.WST", listed / "Linked.wst");
        Names names{"stale entry"};
        EXPECT_EQ(ProfileStore(listed.path()).ListProfiles(names), test.count) << test.name;
        EXPECT_EQ(names, test.listed) << test.name;
    }
    Names names{"stale entry"};
    EXPECT_EQ(ProfileStore(folder / "missing").ListProfiles(names), -1);
    EXPECT_EQ(names, Names{"<directory error>"});
}

TEST_F(ProfileFolder, ListedProfilesLoadAndSaveInTheirOwnFile)
{
    folder.Write("Upper.WST", kDefault);
    std::vector<ProfileEntry> entries;
    ASSERT_EQ(store.ListProfiles(entries), 1);
    EXPECT_EQ(entries.front(), (ProfileEntry{"Upper", "Upper.WST"}));
    for (int load = 0; load < 2; ++load) {
        std::optional<Profile> profile
            = load == 0 ? store.LoadProfile(entries.front()) : store.LoadProfile("Upper");
        ASSERT_TRUE(profile) << load;
        profile->red.kits[static_cast<std::size_t>(load)] = 0;
        ASSERT_EQ(store.SaveProfile(*profile), 1);
    }
    EXPECT_EQ(folder.Read("Upper.WST"),
        ReplaceAll(ReplaceAll(kDefault, "\"NVA_Scout\" enabled=\"true\"", "\"NVA_Scout\" enabled=\"false\""),
            "\"NVA_Scout_Alt\" enabled=\"true\"", "\"NVA_Scout_Alt\" enabled=\"false\""));
    EXPECT_EQ(folder.Entries(), Entries{"Upper.WST"});
}

TEST_F(ProfileFolder, ChangedOnDiskTellsWhatAnotherProgramDid)
{
    struct Case {
        const char* name;
        std::function<void()> change;  // to A.wst, loaded and untouched before
        bool changed;
    };
    const std::string edited = ReplaceAll(kDefault, "\"3/0\"", "\"2/0\"");
    const std::vector<Case> cases = {
        {"untouched", [] {}, false},
        {"same size, same moment", [&] { folder.Write("A.wst", edited); }, true},
        {"same bytes, another file",
            [&] {
                folder.Write("B.wst", kDefault);
                fs::rename(folder / "B.wst", folder / "A.wst");
            },
            true},
        {"removed", [&] { fs::remove(folder / "A.wst"); }, true},
    };
    for (const Case& test : cases) {
        folder.Write("A.wst", kDefault);
        std::optional<Profile> profile = store.LoadProfile("A");
        ASSERT_TRUE(profile);
        test.change();
        EXPECT_EQ(store.ChangedOnDisk(*profile), test.changed) << test.name;
        ASSERT_EQ(store.SaveProfile(*profile), 1);
        EXPECT_FALSE(store.ChangedOnDisk(*profile)) << test.name;
        profile->name = "Other";  // a file the store has not read
        EXPECT_FALSE(store.ChangedOnDisk(*profile)) << test.name;
        folder.Write("Other.wst", "someone's");
        EXPECT_TRUE(store.ChangedOnDisk(*profile)) << test.name;
        fs::remove(folder / "Other.wst");
    }
}

TEST_F(ProfileFolder, LoadDefaultRestoresTheBuiltInDocumentEveryTime)
{
    folder.Write("Default.wst", "edited by someone");
    folder.Write("Other.wst", "<other/>");
    for (int load = 0; load < 2; ++load) {
        ASSERT_FALSE(store.LoadProfile("Other"));
        EXPECT_EQ(store.LoadDefaultProfile(), BuiltInDefaultProfile());
        EXPECT_EQ(folder.Read("Default.wst"), kDefault);
    }
    // The save that follows edits the default document.
    Profile profile = BuiltInDefaultProfile();
    profile.vehicles[7].alternative = 6;
    ASSERT_EQ(store.SaveProfile(profile), 1);
    EXPECT_EQ(folder.Read("Default.wst"),
        ReplaceAll(kDefault, "alternative=\"uaz\" changeType=\"1\"",
            "alternative=\"t54\" changeType=\"2\""));
    EXPECT_EQ(folder.Entries(), (Entries{"Default.wst", "Other.wst"}));

    fs::remove(folder / "Default.wst");
    fs::create_directories(folder / "Default.wst" / "in the way");
    EXPECT_FALSE(store.LoadDefaultProfile());
}

TEST_F(ProfileFolder, CreateCopiesTheDefaultAsItIsNowAndNeverReplacesAFile)
{
    EXPECT_FALSE(store.CreateProfileFile("New"));
    EXPECT_TRUE(folder.Entries().empty());
    folder.Write("Default.wst", "published values");
    folder.Write("Old.wst", "mine");
    EXPECT_FALSE(store.CreateProfileFile("Old"));
    EXPECT_EQ(folder.Read("Old.wst"), "mine");
    EXPECT_TRUE(store.CreateProfileFile("New"));
    EXPECT_EQ(folder.Read("New.wst"), "published values");
    EXPECT_TRUE(store.CreateProfileFile("A name longer than thirty-one characters"));
}

TEST_F(ProfileFolder, CreateRefusesUnsafeNames)
{
    folder.Write("Default.wst", kDefault);
    fs::create_directory(folder / "sub");
    for (const char* name : {"", ".", "..", "sub/x", "../escape", "back\\slash", "tab\there",
             "line\nfeed", "del\x7f"}) {
        EXPECT_FALSE(IsSafeProfileName(name)) << name;
        EXPECT_FALSE(store.CreateProfileFile(name)) << name;
    }
    EXPECT_EQ(folder.Entries(), (Entries{"Default.wst", "sub"}));
    EXPECT_TRUE(fs::is_empty(folder / "sub"));
    for (const char* name : {"a", "...", "with space", "Ünïcödé", ".hidden"})
        EXPECT_TRUE(IsSafeProfileName(name)) << name;
}

class ProfileExport : public ProfileFolder {
protected:
    void SetUp() override
    {
        folder.Write("CustomCombat.wst", kDefault);
        fs::create_directory(folder / "server");
        profile = store.LoadProfile("CustomCombat").value();
        profile.red.kits[1] = 0;
    }

    Profile profile;
    const std::string saved = ReplaceAll(
        kDefault, "\"NVA_Scout_Alt\" enabled=\"true\"", "\"NVA_Scout_Alt\" enabled=\"false\"");
};

TEST_F(ProfileExport, SavesThenCopiesUnlessOntoItsOwnFile)
{
    for (const fs::path& own :
        {folder / "CustomCombat.wst", folder / "server" / ".." / "CustomCombat.wst"}) {
        EXPECT_EQ(store.ExportProfile(profile, own), 0);
        EXPECT_EQ(folder.Read("CustomCombat.wst"), saved);
    }
    EXPECT_EQ(folder.Entries(), (Entries{"CustomCombat.wst", "server"}));
    // A name in other case is another file.
    EXPECT_EQ(store.ExportProfile(profile, folder / "customcombat.wst"), 0);
    EXPECT_EQ(folder.Read("customcombat.wst"), saved);
    // The destination is replaced and keeps its permission bits.
    folder.Write("server/CustomCombat.wst", "older");
    fs::permissions(folder / "server/CustomCombat.wst", fs::perms(0664));
    EXPECT_EQ(store.ExportProfile(profile, folder / "server" / "CustomCombat.wst"), 0);
    EXPECT_EQ(folder.Read("server/CustomCombat.wst"), saved);
    EXPECT_EQ(folder.PermissionBits("server/CustomCombat.wst"), 0664u);
    EXPECT_EQ(folder.Entries("server"), Entries{"CustomCombat.wst"});
}

TEST_F(ProfileExport, FailuresCopyNothing)
{
    EXPECT_EQ(store.ExportProfile(profile, folder / "game" / "CustomCombat.wst"), ENOENT);
    EXPECT_EQ(folder.Read("CustomCombat.wst"), saved);
    EXPECT_FALSE(fs::exists(folder / "game"));

    folder.Write("server/CustomCombat.wst", "older");
    folder.Write("CustomCombat.wst", kDefault);
    folder.Write("Broken.wst", "<broken/>");
    ASSERT_FALSE(store.LoadProfile("Broken"));
    EXPECT_EQ(store.ExportProfile(profile, folder / "server" / "CustomCombat.wst"), EIO);
    EXPECT_EQ(folder.Read("server/CustomCombat.wst"), "older");
    EXPECT_EQ(folder.Read("CustomCombat.wst"), kDefault);
}
