#include "profile/AtomicFile.h"

#include "FileSizeLimit.h"
#include "tests/support/TestFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <thread>
#include <vector>

namespace fs = std::filesystem;

using Names = std::set<std::string>;

TEST(AtomicFile, WriteReplacesWholeFilesWhereNewFileNeverReplaces)
{
    TestFolder folder;
    ASSERT_EQ(WriteFileAtomically(folder / "a.wst", "first\r\n"), 0);
    EXPECT_EQ(folder.Read("a.wst"), "first\r\n");
    ASSERT_EQ(WriteFileAtomically(folder / "a.wst", "2"), 0);
    EXPECT_EQ(WriteNewFile(folder / "a.wst", "new"), EEXIST);
    EXPECT_EQ(WriteNewFile(folder / "b.wst", "new"), 0);
    EXPECT_EQ(folder.Read("a.wst"), "2");
    EXPECT_EQ(folder.Read("b.wst"), "new");
    EXPECT_EQ(folder.Entries(), (Names{"a.wst", "b.wst"}));
}

TEST(AtomicFile, ReplacedFileKeepsItsPermissionBits)
{
    TestFolder folder;
    folder.Write("a.wst", "old");
    ASSERT_EQ(chmod((folder / "a.wst").c_str(), 0640), 0);
    ASSERT_EQ(WriteFileAtomically(folder / "a.wst", "new"), 0);
    EXPECT_EQ(folder.PermissionBits("a.wst"), 0640u);

    const mode_t mask = umask(022);
    ASSERT_EQ(WriteFileAtomically(folder / "b.wst", "new"), 0);
    umask(mask);
    EXPECT_EQ(folder.PermissionBits("b.wst"), 0644u);
}

TEST(AtomicFile, FailedWritesLeaveTheOldFileAndNoOther)
{
    TestFolder folder;
    folder.Write("a.wst", "old content");
    fs::create_directories(folder / "dir.wst" / "inside");
    {
        FileSizeLimit limit(100);
        EXPECT_EQ(WriteFileAtomically(folder / "a.wst", std::string(1000, 'x')), EFBIG);
        EXPECT_EQ(WriteNewFile(folder / "b.wst", std::string(1000, 'x')), EFBIG);
    }
    EXPECT_EQ(WriteFileAtomically(folder / "dir.wst", "x"), EISDIR);  // the rename fails
    EXPECT_EQ(WriteFileAtomically(folder / "missing" / "a.wst", "x"), ENOENT);
    EXPECT_EQ(WriteNewFile(folder / "missing" / "a.wst", "x"), ENOENT);
    EXPECT_EQ(folder.Read("a.wst"), "old content");
    EXPECT_EQ(folder.Entries(), (Names{"a.wst", "dir.wst"}));
    EXPECT_TRUE(fs::is_directory(folder / "dir.wst" / "inside"));
    if (geteuid() != 0) {  // permission bits do not stop root
        fs::permissions(folder.path(), fs::perms::owner_read | fs::perms::owner_exec);
        EXPECT_EQ(WriteFileAtomically(folder / "a.wst", "new"), EACCES);
        EXPECT_EQ(folder.Read("a.wst"), "old content");
        EXPECT_EQ(folder.Entries(), (Names{"a.wst", "dir.wst"}));
    }
}

TEST(AtomicFile, OnlyOneOfRacingNewFilesIsWritten)
{
    TestFolder folder;
    std::atomic<int> created{0};
    std::vector<std::thread> writers;
    for (char fill = 'a'; fill < 'i'; ++fill) {
        writers.emplace_back([&, fill] {
            created += WriteNewFile(folder / "race.wst", std::string(4096, fill)) == 0 ? 1 : 0;
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
