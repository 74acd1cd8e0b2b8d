#include "profile/FolderLock.h"

#include "tests/support/TestFolder.h"

#include <gtest/gtest.h>

#include <cerrno>

// Writers taking turns under the lock are the command-line tests' business
// (two quavel-cli set at once); here, that a held lock makes others give up.
TEST(FolderLock, OthersGiveUpAfterTheirWaitWhileItIsHeld)
{
    const TestFolder folder;
    const FolderLock held(folder.path());
    ASSERT_EQ(held.error(), 0);
    EXPECT_EQ(FolderLock(folder.path(), std::chrono::milliseconds(10)).error(), EWOULDBLOCK);
    EXPECT_EQ(FolderLock(folder / "missing").error(), ENOENT);
}
