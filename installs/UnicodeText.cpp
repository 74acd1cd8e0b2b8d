#include "installs/UnicodeText.h"

#include <array>
#include <cstdint>
#include <optional>

namespace {

constexpr char32_t kReplacementCharacter = 0xFFFD;
constexpr char32_t kLastCodePoint = 0x10FFFF;
constexpr char32_t kFirstSurrogate = 0xD800;
constexpr char32_t kFirstLowSurrogate = 0xDC00;
constexpr char32_t kLastSurrogate = 0xDFFF;

bool IsSurrogate(char32_t unit)
{
    return unit >= kFirstSurrogate && unit <= kLastSurrogate;
}

// The length of a UTF-8 sequence by its lead byte; 0 for a byte that cannot
// lead one (a continuation byte, or a lead of an overlong or too large form).
// Only sequences of 2 to 4 bytes are decoded; a single byte is its own value.
std::size_t SequenceLength(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead < 0xE0)
        return 2;
    if (lead >= 0xE0 && lead < 0xF0)
        return 3;
    if (lead >= 0xF0 && lead < 0xF5)
        return 4;
    return 0;
}

// The smallest code point each sequence length may encode; smaller ones are
// overlong forms and not UTF-8.
constexpr std::array<char32_t, 5> kSmallestOfLength = {0, 0, 0x80, 0x800, 0x10000};

std::optional<char32_t> DecodeSequence(std::string_view bytes)
{
    const auto lead = static_cast<unsigned char>(bytes[0]);
    char32_t codePoint = lead & (0x7Fu >> bytes.size());
    for (std::size_t index = 1; index < bytes.size(); ++index) {
        const auto next = static_cast<unsigned char>(bytes[index]);
        if ((next & 0xC0) != 0x80)
            return std::nullopt;
        codePoint = (codePoint << 6) | (next & 0x3Fu);
    }
    if (codePoint < kSmallestOfLength[bytes.size()] || codePoint > kLastCodePoint
        || IsSurrogate(codePoint))
        return std::nullopt;
    return codePoint;
}

// Capital letters and the small letter of the first one; a step of 2 marks
// the alternating capital/small pairs of Latin Extended-A.
struct CaseRange {
    char32_t firstCapital;
    char32_t lastCapital;
    char32_t step;
    char32_t firstSmall;
};

constexpr std::array<CaseRange, 13> kCapitalRanges = {{
    {0x41, 0x5A, 1, 0x61},     // A-Z
    {0xC0, 0xD6, 1, 0xE0},     // À-Ö
    {0xD8, 0xDE, 1, 0xF8},     // Ø-Þ
    {0x100, 0x12E, 2, 0x101},  // Ā-Į
    {0x132, 0x136, 2, 0x133},  // Ĳ-Ķ
    {0x139, 0x147, 2, 0x13A},  // Ĺ-Ň
    {0x14A, 0x176, 2, 0x14B},  // Ŋ-Ŷ
    {0x178, 0x178, 1, 0xFF},   // Ÿ
    {0x179, 0x17D, 2, 0x17A},  // Ź-Ž
    {0x391, 0x3A1, 1, 0x3B1},  // Α-Ρ
    {0x3A3, 0x3AB, 1, 0x3C3},  // Σ-Ϋ
    {0x400, 0x40F, 1, 0x450},  // Ѐ-Џ
    {0x410, 0x42F, 1, 0x430},  // А-Я
}};

char32_t ToSmallLetter(char32_t codePoint)
{
    for (const CaseRange& range : kCapitalRanges) {
        if (codePoint >= range.firstCapital && codePoint <= range.lastCapital
            && (codePoint - range.firstCapital) % range.step == 0)
            return range.firstSmall + (codePoint - range.firstCapital);
    }
    return codePoint;
}

}  // namespace

char32_t NextCodePoint(std::string_view utf8, std::size_t& position)
{
    const auto lead = static_cast<unsigned char>(utf8[position]);
    const std::size_t length = SequenceLength(lead);
    if (length > 1 && position + length <= utf8.size()) {
        if (const std::optional<char32_t> codePoint
            = DecodeSequence(utf8.substr(position, length))) {
            position += length;
            return *codePoint;
        }
    }
    ++position;
    return lead;
}

char32_t NextCodePoint(std::u16string_view utf16, std::size_t& position)
{
    const char32_t unit = utf16[position++];
    if (unit < kFirstSurrogate || unit >= kFirstLowSurrogate || position == utf16.size())
        return unit;
    const char32_t low = utf16[position];
    if (low < kFirstLowSurrogate || low > kLastSurrogate)
        return unit;
    ++position;
    return 0x10000 + ((unit - kFirstSurrogate) << 10) + (low - kFirstLowSurrogate);
}

void AppendUtf8(std::string& text, char32_t codePoint)
{
    if (codePoint > kLastCodePoint || IsSurrogate(codePoint))
        codePoint = kReplacementCharacter;
    if (codePoint < 0x80) {
        text += static_cast<char>(codePoint);
        return;
    }
    constexpr std::array<char32_t, 4> leadMarkers = {0, 0xC0, 0xE0, 0xF0};
    const int continuationCount = codePoint < 0x800 ? 1 : codePoint < 0x10000 ? 2 : 3;
    text += static_cast<char>(leadMarkers[static_cast<std::size_t>(continuationCount)]
        | (codePoint >> (6 * continuationCount)));
    for (int shift = 6 * (continuationCount - 1); shift >= 0; shift -= 6)
        text += static_cast<char>(0x80 | ((codePoint >> shift) & 0x3F));
}

void AppendUtf16(std::u16string& text, char32_t codePoint)
{
    if (codePoint > kLastCodePoint || IsSurrogate(codePoint))
        codePoint = kReplacementCharacter;
    if (codePoint < 0x10000) {
        text += static_cast<char16_t>(codePoint);
        return;
    }
    const char32_t offset = codePoint - 0x10000;
    text += static_cast<char16_t>(kFirstSurrogate + (offset >> 10));
    text += static_cast<char16_t>(kFirstLowSurrogate + (offset & 0x3FF));
}

std::string Utf8FromUtf16(std::u16string_view text)
{
    std::string utf8;
    for (std::size_t position = 0; position < text.size();)
        AppendUtf8(utf8, NextCodePoint(text, position));
    return utf8;
}

std::size_t CharacterCount(std::u16string_view text)
{
    std::size_t count = 0;
    for (std::size_t position = 0; position < text.size(); ++count)
        NextCodePoint(text, position);
    return count;
}

std::string FoldCase(std::string_view utf8)
{
    std::string folded;
    folded.reserve(utf8.size());
    for (std::size_t position = 0; position < utf8.size();)
        AppendUtf8(folded, ToSmallLetter(NextCodePoint(utf8, position)));
    return folded;
}
