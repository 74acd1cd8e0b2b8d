#include "fuzz/DocumentRoundTrip.h"

#include "tests/support/TestFolder.h"

#include <gtest/gtest.h>

TEST(FuzzCorpus, EverySeedKeepsThePromises)
{
    int seeds = 0;
    for (const auto& entry : std::filesystem::directory_iterator(QUAVEL_FUZZ_CORPUS)) {
        EXPECT_EQ(CheckDocumentRoundTrip(FileBytes(entry.path())), "") << entry.path().filename();
        ++seeds;
    }
    EXPECT_GE(seeds, 5);
}
