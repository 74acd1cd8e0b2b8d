#include "profile/DefaultDocument.h"

#include <gtest/gtest.h>

#include <cstdint>

TEST(DefaultDocument, IsTheBuiltInFileByteForByte)
{
    const std::string_view document = DefaultDocument();
    EXPECT_EQ(document.size(), 13800u);
    std::uint64_t fingerprint = 0xcbf29ce484222325;  // FNV-1a: notices any change of a byte
    for (const char byte : document)
        fingerprint = (fingerprint ^ static_cast<unsigned char>(byte)) * 0x100000001b3;
    EXPECT_EQ(fingerprint, 0xb0eef48a6fc363bbu);
    // What the fingerprint pins, said plainly: every line, the last too, ends in CR LF.
    EXPECT_TRUE(document.ends_with("</WRAPPER_TREE>\r\n"));
    for (std::size_t at = document.find('\n'); at != std::string_view::npos;
         at = document.find('\n', at + 1))
        ASSERT_EQ(document[at - 1], '\r') << "at byte " << at;
}
