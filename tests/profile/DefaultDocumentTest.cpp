#include "profile/DefaultDocument.h"

#include "Sha256.h"

#include <gtest/gtest.h>

#include <algorithm>

TEST(Sha256, MatchesKnownDigests)
{
    EXPECT_EQ(Sha256Hex(""), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    EXPECT_EQ(Sha256Hex("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    EXPECT_EQ(Sha256Hex(std::string(1000, 'a')),
        "41edece42d63e8d9bf515a9ba6932e1c20cbc9f5a5d134645adb5db1b9737ea3");
}

TEST(DefaultDocument, IsTheBuiltInFileByteForByte)
{
    const std::string_view document = DefaultDocument();
    EXPECT_EQ(document.size(), 13800u);
    EXPECT_EQ(std::count(document.begin(), document.end(), '\n'), 433);
    EXPECT_EQ(
        Sha256Hex(document), "0f08088ced3f9ce742ec6b753d62087902a1d610cd99797ef3f770fd3b3788bc");
}

TEST(DefaultDocument, EndsEveryLineWithCarriageReturnAndLineFeed)
{
    const std::string_view document = DefaultDocument();
    EXPECT_TRUE(document.starts_with("<?xml version=\"1.0\"?>\r\n<WRAPPER_TREE VERS=\"1.1\">\r\n"
                                     "\t<gameMode activeTeams=\"3/0\">\r\n"));
    EXPECT_TRUE(document.ends_with("\t</gameMode>\r\n</WRAPPER_TREE>\r\n"));
    for (std::size_t at = document.find('\n'); at != std::string_view::npos;
         at = document.find('\n', at + 1))
        ASSERT_EQ(document[at - 1], '\r') << "at byte " << at;
    EXPECT_TRUE(std::all_of(document.begin(), document.end(), [](char byte) {
        return byte == '\r' || byte == '\n' || byte == '\t' || (byte >= ' ' && byte < 0x7F);
    }));
}
