#include "bench/KillRounds.h"

#include "tests/support/TestFolder.h"

#include <gtest/gtest.h>

TEST(Kill, WritersKilledAtAnyMomentLeaveWholeProfilesAndNoTemporaries)
{
    TestFolder folder;
    const KillFigures figures = RunKillRounds(folder.path(), 100, 5000, 9);
    EXPECT_EQ(figures.kills, 100);
    EXPECT_EQ(figures.brokenProfiles, 0);
    EXPECT_EQ(figures.temporariesLeft, 0);
}
