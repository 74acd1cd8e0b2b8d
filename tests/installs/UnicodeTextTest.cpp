#include "installs/UnicodeText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(UnicodeText, ConvertsUtf16ToUtf8)
{
    const std::vector<std::pair<std::u16string, std::string>> cases = {
        {u"", ""},
        {u"C:\\BFV", "C:\\BFV"},
        {u"\u00c4\u20ac", "\xC3\x84\xE2\x82\xAC"},
        {u"\U0001F600", "\xF0\x9F\x98\x80"},
        {std::u16string(1, u'\xd83d') + u"x", "\xEF\xBF\xBDx"},  // unpaired surrogate
        {std::u16string(1, u'\xde00'), "\xEF\xBF\xBD"},
    };
    for (const auto& [utf16, utf8] : cases)
        EXPECT_EQ(Utf8FromUtf16(utf16), utf8) << utf8;
}

TEST(UnicodeText, CountsSurrogatePairsAsOneCharacter)
{
    EXPECT_EQ(CharacterCount(u""), 0u);
    EXPECT_EQ(CharacterCount(u"\u00c4b"), 2u);
    EXPECT_EQ(CharacterCount(u"\U0001F600\U0001F600"), 2u);
    EXPECT_EQ(CharacterCount(std::u16string(2, u'\xd83d')), 2u);
}

TEST(UnicodeText, ReadsBytesOutsideUtf8AsLatin1)
{
    const std::vector<std::pair<std::string, std::u32string>> cases = {
        {"A\xC3\x84", U"A\u00c4"},
        {"\xC4", U"\u00c4"},
        {"\xC3", U"\u00c3"},                                // cut short
        {"\xC0\x80", U"\u00c0\u0080"},                      // overlong
        {"\xED\xA0\x80", U"\u00ed\u00a0\u0080"},            // a surrogate
        {"\xF4\x90\x80\x80", U"\u00f4\u0090\u0080\u0080"},  // beyond U+10FFFF
        {"\xF0\x9F\x98\x80", U"\U0001F600"},
    };
    for (const auto& [utf8, expected] : cases) {
        std::u32string decoded;
        for (std::size_t position = 0; position < utf8.size();)
            decoded += NextCodePoint(utf8, position);
        EXPECT_EQ(decoded, expected) << utf8;
    }
}

TEST(UnicodeText, FoldsCapitalsOfLatinGreekAndCyrillic)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"GameModeSettings", "gamemodesettings"},
        {"\xC3\x84\xC3\x96\xC3\x9C\xC3\x9E", "\xC3\xA4\xC3\xB6\xC3\xBC\xC3\xBE"},  // ÄÖÜÞ
        {"\xC3\x97\xC3\x9F", "\xC3\x97\xC3\x9F"},                                  // × and ß stay
        {"\xC5\xA0\xC5\x92\xC5\xBD\xC5\xB8", "\xC5\xA1\xC5\x93\xC5\xBE\xC3\xBF"},  // ŠŒŽŸ
        {"\xC5\xA1", "\xC5\xA1"},                                                  // š stays
        {"\xCE\xA3\xD0\x81\xD0\x96", "\xCF\x83\xD1\x91\xD0\xB6"},                  // ΣЁЖ
        {"\xC4", "\xC3\xA4"},                                                      // a Latin-1 byte
    };
    for (const auto& [text, folded] : cases)
        EXPECT_EQ(FoldCase(text), folded) << text;
}
