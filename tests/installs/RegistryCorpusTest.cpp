#include "fuzz/RegistryRead.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

TEST(RegistryCorpus, EverySeedKeepsThePromises)
{
    int seeds = 0;
    for (const auto& entry : std::filesystem::directory_iterator(QUAVEL_REGISTRY_CORPUS)) {
        std::ostringstream bytes;
        bytes << std::ifstream(entry.path(), std::ios::binary).rdbuf();
        EXPECT_EQ(CheckRegistryRead(bytes.str()), "") << entry.path().filename();
        ++seeds;
    }
    EXPECT_GE(seeds, 5);
}
