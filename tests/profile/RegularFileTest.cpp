#include "profile/RegularFile.h"

#include "tests/support/TestFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cerrno>

namespace fs = std::filesystem;

TEST(RegularFile, ReadsOnlyRegularFilesUpToTheLimitWithoutWaiting)
{
    TestFolder folder;
    folder.Write("a.wst", std::string("a\0b\r\n", 5));
    folder.Write("big.wst", "");
    fs::resize_file(folder / "big.wst", kMaximumProfileBytes + 1);  // sparse: quick
    ASSERT_EQ(::mkfifo((folder / "fifo.wst").c_str(), 0600), 0);
    fs::create_symlink("/dev/zero", folder / "zero.wst");
    fs::create_directory(folder / "dir.wst");
    struct Case {
        const char* name;
        int error;
        std::string bytes;
        off_t size;
    };
    const std::vector<Case> cases = {
        {"a.wst", 0, std::string("a\0b\r\n", 5), 5},
        {"missing.wst", ENOENT, "", 0},
        {"dir.wst", EISDIR, "", 4096},
        {"fifo.wst", EINVAL, "", 0},
        {"zero.wst", EINVAL, "", 0},
        {"big.wst", EFBIG, "", kMaximumProfileBytes + 1},
    };
    for (const Case& test : cases) {
        const RegularFileRead read = ReadRegularFile(folder / test.name, kMaximumProfileBytes);
        EXPECT_EQ(read.error, test.error) << test.name;
        EXPECT_EQ(read.bytes, test.bytes) << test.name;
        EXPECT_EQ(read.stamp.size, test.error == EISDIR ? read.stamp.size : test.size)
            << test.name;
    }
}
