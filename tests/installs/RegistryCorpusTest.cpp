#include "fuzz/RegistryRead.h"
#include "tests/support/TestFolder.h"

#include <gtest/gtest.h>

TEST(RegistryCorpus, EverySeedKeepsThePromises)
{
    int seeds = 0;
    for (const auto& entry : std::filesystem::directory_iterator(QUAVEL_REGISTRY_CORPUS)) {
        EXPECT_EQ(CheckRegistryRead(FileBytes(entry.path())), "") << entry.path().filename();
        ++seeds;
    }
    EXPECT_GE(seeds, 5);
}
