#include "profile/DefaultDocument.h"
#include "profile/ProfileStore.h"

#include "TestFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <atomic>
#include <cerrno>
#include <thread>

namespace fs = std::filesystem;

namespace {

const std::string kDefault(DefaultDocument());

class ProfileFolder : public ::testing::Test {
protected:
    // Writes each name as a small file.
    void Touch(std::initializer_list<const char*> names)
    {
        for (const char* name : names)
            folder.Write(name, "x");
    }
    std::vector<std::string> List(int expectedCount)
    {
        std::vector<std::string> names{"stale entry"};
        EXPECT_EQ(store.ListProfiles(names), expectedCount);
        return names;
    }

    TestFolder folder;
    ProfileStore store{folder.path()};
};

using Names = std::vector<std::string>;

}  // namespace

TEST_F(ProfileFolder, ListsProfilesWithoutTheDefault)
{
    Touch({"Default.wst", "CustomCombat.wst", "Alpha.wst"});
    EXPECT_EQ(List(2), (Names{"Alpha", "CustomCombat"}));
}

TEST_F(ProfileFolder, ListingFollowsTheCaseRules)
{
    Touch({"default.wst", "A.WST", "b.Wst", "charlie.wst", "Bravo.wst", "readme.txt", "x.wst.bak",
        ".wst", "DEFAULT.wst"});
    fs::create_directory(folder / "Folder.wst");
    fs::create_symlink(folder / "nowhere", folder / "Dangling.wst");
    fs::create_symlink(folder / "A.WST", folder / "Linked.wst");
    // The extension in any case; the exclusion of Default.wst only in its own;
    // links count as what they point to.
    EXPECT_EQ(List(7), (Names{"A", "b", "Bravo", "charlie", "DEFAULT", "default", "Linked"}));
}

TEST_F(ProfileFolder, SortsNamesThatDifferOnlyInCaseByBytes)
{
    Touch({"b.wst", "B.wst", "a.wst"});
    EXPECT_EQ(List(3), (Names{"a", "B", "b"}));
}

TEST_F(ProfileFolder, KeepsLongNames)
{
    const std::string name(200, 'p');
    folder.Write(name + ".wst", "x");
    EXPECT_EQ(List(1), Names{name});
}

TEST_F(ProfileFolder, OnlyDefaultGivesAnEmptyList)
{
    Touch({"Default.wst"});
    EXPECT_EQ(List(0), Names{});
}

TEST_F(ProfileFolder, NoProfileFilesGivesThePlaceholder)
{
    Touch({"notes.txt"});
    EXPECT_EQ(List(0), Names{"<no .wst files found>"});
}

TEST_F(ProfileFolder, MissingFolderGivesTheDirectoryError)
{
    ProfileStore elsewhere(folder / "missing");
    std::vector<std::string> names{"stale entry"};
    EXPECT_EQ(elsewhere.ListProfiles(names), -1);
    EXPECT_EQ(names, Names{"<directory error>"});
}

TEST_F(ProfileFolder, LoadDefaultWritesTheBuiltInDocument)
{
    folder.Write("Default.wst", "edited by someone");
    for (int load = 0; load < 2; ++load) {
        EXPECT_EQ(store.LoadDefaultProfile(), BuiltInDefaultProfile());
        EXPECT_EQ(folder.Read("Default.wst"), kDefault);
    }
    EXPECT_EQ(folder.Entries(), std::set<std::string>{"Default.wst"});
}

TEST_F(ProfileFolder, SavingAfterLoadDefaultEditsTheDefaultDocument)
{
    folder.Write("Other.wst", "<other/>");
    ASSERT_FALSE(store.LoadProfile("Other"));
    std::optional<Profile> profile = store.LoadDefaultProfile();
    ASSERT_TRUE(profile);
    profile->vehicles[7].alternative = 6;
    ASSERT_EQ(store.SaveProfile(*profile), 1);
    EXPECT_EQ(folder.Read("Default.wst"),
        ReplaceAll(kDefault, "alternative=\"uaz\" changeType=\"1\"",
            "alternative=\"t54\" changeType=\"2\""));
}

TEST_F(ProfileFolder, LoadDefaultFailsWhenDefaultCannotBeWritten)
{
    fs::create_directories(folder / "Default.wst" / "in the way");
    EXPECT_FALSE(store.LoadDefaultProfile());
}

TEST_F(ProfileFolder, CreateCopiesDefaultAsItIsNow)
{
    folder.Write("Default.wst", "published values");
    EXPECT_TRUE(store.CreateProfileFile("New"));
    EXPECT_EQ(folder.Read("New.wst"), "published values");
    EXPECT_TRUE(store.CreateProfileFile("A name longer than thirty-one characters"));
}

TEST_F(ProfileFolder, CreateNeverReplacesAFile)
{
    folder.Write("Default.wst", kDefault);
    folder.Write("Old.wst", "mine");
    EXPECT_FALSE(store.CreateProfileFile("Old"));
    EXPECT_EQ(folder.Read("Old.wst"), "mine");
}

TEST_F(ProfileFolder, CreateWithoutDefaultFails)
{
    EXPECT_FALSE(store.CreateProfileFile("New"));
    EXPECT_TRUE(folder.Entries().empty());
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
    EXPECT_EQ(folder.Entries(), (std::set<std::string>{"Default.wst", "sub"}));
    EXPECT_TRUE(fs::is_empty(folder / "sub"));
    for (const char* name : {"a", "...", "with space", "Ünïcödé", ".hidden"})
        EXPECT_TRUE(IsSafeProfileName(name)) << name;
}

TEST_F(ProfileFolder, RacingCreatesMakeOneFile)
{
    folder.Write("Default.wst", kDefault);
    std::atomic<int> created{0};
    std::vector<std::thread> creators;
    for (int creator = 0; creator < 8; ++creator)
        creators.emplace_back([&] { created += store.CreateProfileFile("Race") ? 1 : 0; });
    for (std::thread& creator : creators)
        creator.join();
    EXPECT_EQ(created.load(), 1);
    EXPECT_EQ(folder.Read("Race.wst"), kDefault);
}

class ProfileExport : public ProfileFolder {
protected:
    void SetUp() override
    {
        folder.Write("CustomCombat.wst", kDefault);
        std::optional<Profile> loaded = store.LoadProfile("CustomCombat");
        ASSERT_TRUE(loaded);
        profile = *loaded;
        profile.red.kits[1] = 0;
        saved = ReplaceAll(
            kDefault, "\"NVA_Scout_Alt\" enabled=\"true\"", "\"NVA_Scout_Alt\" enabled=\"false\"");
        fs::create_directory(folder / "server");
    }

    Profile profile;
    std::string saved;
};

TEST_F(ProfileExport, SavesThenCopiesTheFile)
{
    EXPECT_EQ(store.ExportProfile(profile, folder / "server" / "CustomCombat.wst"), 0);
    EXPECT_EQ(folder.Read("CustomCombat.wst"), saved);
    EXPECT_EQ(folder.Read("server/CustomCombat.wst"), saved);
}

TEST_F(ProfileExport, ReplacesTheDestinationKeepingItsPermissionBits)
{
    folder.Write("server/CustomCombat.wst", "older");
    ASSERT_EQ(chmod((folder / "server" / "CustomCombat.wst").c_str(), 0664), 0);
    EXPECT_EQ(store.ExportProfile(profile, folder / "server" / "CustomCombat.wst"), 0);
    EXPECT_EQ(folder.Read("server/CustomCombat.wst"), saved);
    struct stat status { };
    stat((folder / "server" / "CustomCombat.wst").c_str(), &status);
    EXPECT_EQ(status.st_mode & 07777, 0664u);
    EXPECT_EQ(folder.Entries("server"), std::set<std::string>{"CustomCombat.wst"});
}

TEST_F(ProfileExport, OntoItsOwnFileOnlySaves)
{
    for (const fs::path& own :
        {folder / "CustomCombat.wst", folder / "server" / ".." / "CustomCombat.wst"}) {
        EXPECT_EQ(store.ExportProfile(profile, own), 0);
        EXPECT_EQ(folder.Read("CustomCombat.wst"), saved);
    }
    EXPECT_EQ(folder.Entries(), (std::set<std::string>{"CustomCombat.wst", "server"}));
}

TEST_F(ProfileExport, ANameInOtherCaseIsAnotherFile)
{
    EXPECT_EQ(store.ExportProfile(profile, folder / "customcombat.wst"), 0);
    EXPECT_EQ(folder.Read("customcombat.wst"), saved);
    EXPECT_EQ(folder.Read("CustomCombat.wst"), saved);
}

TEST_F(ProfileExport, MissingDestinationFolderGivesEnoent)
{
    EXPECT_EQ(store.ExportProfile(profile, folder / "game" / "CustomCombat.wst"), ENOENT);
    EXPECT_EQ(folder.Read("CustomCombat.wst"), saved);
    EXPECT_FALSE(fs::exists(folder / "game"));
}

TEST_F(ProfileExport, FailedSaveCopiesNothing)
{
    folder.Write("server/CustomCombat.wst", "older");
    folder.Write("Broken.wst", "<broken/>");
    ASSERT_FALSE(store.LoadProfile("Broken"));
    EXPECT_EQ(store.ExportProfile(profile, folder / "server" / "CustomCombat.wst"), EIO);
    EXPECT_EQ(folder.Read("server/CustomCombat.wst"), "older");
    EXPECT_EQ(folder.Read("CustomCombat.wst"), kDefault);
}
