#include "fuzz/DocumentRoundTrip.h"

#include "profile/DefaultDocument.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

TEST(FuzzCorpus, EverySeedKeepsThePromises)
{
    int seeds = 0;
    for (const auto& entry : std::filesystem::directory_iterator(QUAVEL_FUZZ_CORPUS)) {
        std::ifstream file(entry.path(), std::ios::binary);
        std::ostringstream bytes;
        bytes << file.rdbuf();
        EXPECT_EQ(CheckDocumentRoundTrip(bytes.str()), "") << entry.path().filename();
        ++seeds;
    }
    EXPECT_GE(seeds, 5);
}

TEST(FuzzCorpus, TheChecksSeeTheDefaultDocumentThrough)
{
    EXPECT_EQ(CheckDocumentRoundTrip(DefaultDocument()), "");
    EXPECT_EQ(CheckDocumentRoundTrip("<a><b></a>"), "");
}
