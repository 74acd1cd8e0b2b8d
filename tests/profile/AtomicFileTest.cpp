#include "profile/AtomicFile.h"

#include "FileSizeLimit.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <thread>
#include <vector>

namespace fs = std::filesystem;

namespace {

mode_t PermissionBits(const fs::path& path)
{
    struct stat status { };
    stat(path.c_str(), &status);
    return status.st_mode & 07777;
}

}  // namespace

TEST(AtomicFile, WriteCreatesAndReplacesWholeFiles)
{
    TestFolder folder;
    ASSERT_EQ(WriteFileAtomically(folder / "a.wst", "first\r\n"), 0);
    EXPECT_EQ(folder.Read("a.wst"), "first\r\n");
    ASSERT_EQ(WriteFileAtomically(folder / "a.wst", "2"), 0);
    EXPECT_EQ(folder.Read("a.wst"), "2");
    EXPECT_EQ(folder.Entries(), std::set<std::string>{"a.wst"});
}

TEST(AtomicFile, ReplacedFileKeepsItsPermissionBits)
{
    TestFolder folder;
    folder.Write("a.wst", "old");
    ASSERT_EQ(chmod((folder / "a.wst").c_str(), 0640), 0);
    ASSERT_EQ(WriteFileAtomically(folder / "a.wst", "new"), 0);
    EXPECT_EQ(PermissionBits(folder / "a.wst"), 0640u);

    const mode_t mask = umask(022);
    ASSERT_EQ(WriteFileAtomically(folder / "b.wst", "new"), 0);
    umask(mask);
    EXPECT_EQ(PermissionBits(folder / "b.wst"), 0644u);
}

TEST(AtomicFile, FailedWriteLeavesTheOldFileAndNoTemporaryFile)
{
    TestFolder folder;
    folder.Write("a.wst", "old content");
    {
        FileSizeLimit limit(100);
        EXPECT_EQ(WriteFileAtomically(folder / "a.wst", std::string(1000, 'x')), EFBIG);
    }
    EXPECT_EQ(folder.Read("a.wst"), "old content");
    EXPECT_EQ(folder.Entries(), std::set<std::string>{"a.wst"});
}

TEST(AtomicFile, FailedRenameLeavesNoTemporaryFile)
{
    TestFolder folder;
    fs::create_directories(folder / "a.wst" / "inside");
    EXPECT_EQ(WriteFileAtomically(folder / "a.wst", "x"), EISDIR);
    EXPECT_EQ(folder.Entries(), std::set<std::string>{"a.wst"});
    EXPECT_TRUE(fs::is_directory(folder / "a.wst" / "inside"));
}

TEST(AtomicFile, WriteIntoMissingFolderFails)
{
    TestFolder folder;
    EXPECT_EQ(WriteFileAtomically(folder / "missing" / "a.wst", "x"), ENOENT);
    EXPECT_EQ(WriteNewFile(folder / "missing" / "a.wst", "x"), ENOENT);
    EXPECT_TRUE(folder.Entries().empty());
}

TEST(AtomicFile, ReadOnlyFolderRefusesWrites)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "permission bits do not stop root";
    TestFolder folder;
    folder.Write("a.wst", "old");
    fs::permissions(folder.path(), fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(WriteFileAtomically(folder / "a.wst", "new"), EACCES);
    EXPECT_EQ(folder.Read("a.wst"), "old");
    EXPECT_EQ(folder.Entries(), std::set<std::string>{"a.wst"});
}

TEST(AtomicFile, NewFileNeverReplacesOne)
{
    TestFolder folder;
    folder.Write("a.wst", "old");
    EXPECT_EQ(WriteNewFile(folder / "a.wst", "new"), EEXIST);
    EXPECT_EQ(folder.Read("a.wst"), "old");
    EXPECT_EQ(WriteNewFile(folder / "b.wst", "new"), 0);
    EXPECT_EQ(folder.Read("b.wst"), "new");
}

TEST(AtomicFile, FailedNewFileIsRemoved)
{
    TestFolder folder;
    {
        FileSizeLimit limit(100);
        EXPECT_EQ(WriteNewFile(folder / "a.wst", std::string(1000, 'x')), EFBIG);
    }
    EXPECT_TRUE(folder.Entries().empty());
}

TEST(AtomicFile, OnlyOneOfRacingNewFilesIsWritten)
{
    TestFolder folder;
    constexpr int kWriters = 8;
    std::atomic<int> created{0};
    std::vector<std::thread> writers;
    for (int writer = 0; writer < kWriters; ++writer) {
        writers.emplace_back([&, writer] {
            if (WriteNewFile(
                    folder / "race.wst", std::string(4096, static_cast<char>('a' + writer)))
                == 0)
                ++created;
        });
    }
    for (std::thread& writer : writers)
        writer.join();
    EXPECT_EQ(created.load(), 1);
    const std::string content = folder.Read("race.wst");
    ASSERT_EQ(content.size(), 4096u);
    EXPECT_EQ(content, std::string(4096, content.front()));
}

TEST(AtomicFile, ReadGivesBytesOrErrno)
{
    TestFolder folder;
    folder.Write("a.wst", std::string("a\0b\r\n", 5));
    std::string bytes;
    EXPECT_EQ(ReadFileBytes(folder / "a.wst", bytes), 0);
    EXPECT_EQ(bytes, std::string("a\0b\r\n", 5));
    EXPECT_EQ(ReadFileBytes(folder / "missing.wst", bytes), ENOENT);
    EXPECT_EQ(ReadFileBytes(folder.path(), bytes), EISDIR);
}
