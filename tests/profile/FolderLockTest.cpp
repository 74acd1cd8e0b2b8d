#include "profile/FolderLock.h"
#include "profile/AtomicFile.h"

#include "tests/support/TestFolder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <thread>

// Each writer reads a count, adds one and writes it back, as quavel-cli set
// does with a profile: without the lock, writers undo each other's additions.
TEST(FolderLock, ReadModifyWritesTakeTurns)
{
    TestFolder folder;
    folder.Write("count", "0");
    const auto addThirty = [&] {
        for (int round = 0; round < 30; ++round) {
            const FolderLock lock(folder.path());
            ASSERT_EQ(lock.error(), 0);
            const int count = std::stoi(folder.Read("count"));
            ASSERT_EQ(WriteFileAtomically(folder / "count", std::to_string(count + 1)), 0);
        }
    };
    std::thread other(addThirty);
    addThirty();
    other.join();
    EXPECT_EQ(folder.Read("count"), "60");

    const FolderLock held(folder.path());
    EXPECT_EQ(FolderLock(folder.path(), std::chrono::milliseconds(10)).error(), EWOULDBLOCK);
    EXPECT_EQ(FolderLock(folder / "missing").error(), ENOENT);
}
