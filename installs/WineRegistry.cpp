#include "installs/WineRegistry.h"

#include "installs/SearchedFileRead.h"
#include "installs/UnicodeText.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

namespace {

using Values = std::map<std::string, RegistryValue>;

constexpr std::string_view kHeader = "WINE REGISTRY Version 2";
constexpr std::string_view kArchitectureOption = "#arch=";
constexpr std::string_view k64BitArchitecture = "win64";
constexpr std::string_view kRedirectedRoot = "software";  // case-folded
constexpr std::string_view kWow64Node = "Wow6432Node";

enum class DataEncoding { Quoted, Hex, Dword };

struct DataForm {
    std::string_view prefix;
    std::uint32_t type;
    DataEncoding encoding;
};

constexpr std::array<DataForm, 6> kDataForms = {{
    {"\"", RegistryType::String, DataEncoding::Quoted},
    {"str:\"", RegistryType::String, DataEncoding::Quoted},
    {"str(2):\"", RegistryType::ExpandableString, DataEncoding::Quoted},
    {"str(7):\"", RegistryType::MultiString, DataEncoding::Quoted},
    {"hex:", RegistryType::Binary, DataEncoding::Hex},
    {"dword:", RegistryType::Dword, DataEncoding::Dword},
}};
// "hex(N):" gives any type N (hexadecimal) as bytes.
constexpr std::string_view kTypedHexPrefix = "hex(";
constexpr std::string_view kTypedHexSuffix = "):";

constexpr std::array<std::pair<char, char16_t>, 8> kControlEscapes = {{
    {'a', u'\a'},
    {'b', u'\b'},
    {'e', u'\x1b'},
    {'f', u'\f'},
    {'n', u'\n'},
    {'r', u'\r'},
    {'t', u'\t'},
    {'v', u'\v'},
}};
constexpr int kHexEscapeDigits = 4;
constexpr int kOctalEscapeDigits = 3;
constexpr std::uint64_t kLargest32BitNumber = 0xFFFF'FFFF;
// Larger than any 32-bit number, so that long digit runs cannot overflow.
constexpr std::uint64_t kSaturatedNumber = kLargest32BitNumber + 1;

class LineReader {
public:
    explicit LineReader(std::string_view text)
        : text_(text)
    {
    }

    // The next line without its LF or CRLF; false past the last line.
    bool Next(std::string_view& line)
    {
        if (position_ >= text_.size())
            return false;
        const std::size_t end = std::min(text_.find('\n', position_), text_.size());
        line = text_.substr(position_, end - position_);
        position_ = end + 1;
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        return true;
    }

    // Moves to the next line whose first character other than spaces is '[',
    // passing over the lines between unread.
    void SkipToKeyLine()
    {
        while (position_ < text_.size()) {
            const std::size_t bracket = std::min(text_.find('[', position_), text_.size());
            std::size_t lineStart = bracket;
            while (lineStart > position_ && IsSpaceInLine(text_[lineStart - 1]))
                --lineStart;
            if (lineStart == position_ || text_[lineStart - 1] == '\n') {
                position_ = lineStart;
                return;
            }
            position_ = std::min(text_.find('\n', bracket), text_.size() - 1) + 1;
        }
    }

private:
    static bool IsSpaceInLine(char character)
    {
        return character != '\n' && (character == ' ' || (character >= '\t' && character <= '\r'));
    }

    std::string_view text_;
    std::size_t position_ = 0;
};

bool IsSpace(char character)
{
    return character == ' ' || (character >= '\t' && character <= '\r');
}

void SkipSpaces(std::string_view& text)
{
    while (!text.empty() && IsSpace(text.front()))
        text.remove_prefix(1);
}

std::string_view TrimmedRight(std::string_view text)
{
    while (!text.empty() && IsSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

bool ConsumePrefix(std::string_view& text, std::string_view prefix)
{
    if (!text.starts_with(prefix))
        return false;
    text.remove_prefix(prefix.size());
    return true;
}

// The digit's value in base, or -1 when it is none.
int DigitValue(char character, int base)
{
    int value = -1;
    if (character >= '0' && character <= '9')
        value = character - '0';
    else if (character >= 'a' && character <= 'f')
        value = character - 'a' + 10;
    else if (character >= 'A' && character <= 'F')
        value = character - 'A' + 10;
    return value < base ? value : -1;
}

// Reads at most maxDigits digits; none when not even one is there.
std::optional<std::uint64_t> ReadNumber(std::string_view& text, int base, int maxDigits)
{
    std::uint64_t value = 0;
    int digits = 0;
    for (; digits < maxDigits && !text.empty(); ++digits) {
        const int digit = DigitValue(text.front(), base);
        if (digit < 0)
            break;
        value
            = std::min(value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit),
                kSaturatedNumber);
        text.remove_prefix(1);
    }
    if (digits == 0)
        return std::nullopt;
    return value;
}

std::optional<std::uint64_t> ReadHexNumber(std::string_view& text)
{
    return ReadNumber(text, 16, static_cast<int>(text.size()));
}

// One escape, text starting after its backslash: C escapes, \x with up to four
// hex digits (a UTF-16 unit; "\x" alone is an x), up to three octal digits, and
// any other character standing for itself, as in \\ and \".
void AppendEscape(std::string_view& text, std::u16string& result)
{
    const char letter = text.front();
    const auto control = std::find_if(kControlEscapes.begin(), kControlEscapes.end(),
        [letter](const auto& escape) { return escape.first == letter; });
    if (control != kControlEscapes.end()) {
        result += control->second;
        text.remove_prefix(1);
    } else if (letter == 'x') {
        text.remove_prefix(1);
        const std::optional<std::uint64_t> unit = ReadNumber(text, 16, kHexEscapeDigits);
        result += unit ? static_cast<char16_t>(*unit) : u'x';
    } else if (const std::optional<std::uint64_t> unit = ReadNumber(text, 8, kOctalEscapeDigits)) {
        result += static_cast<char16_t>(*unit);
    } else {
        std::size_t position = 0;
        AppendUtf16(result, NextCodePoint(text, position));
        text.remove_prefix(position);
    }
}

// The text up to the unescaped endCharacter, which is consumed too; none when
// the line ends first.
std::optional<std::u16string> ReadQuoted(std::string_view& text, char endCharacter)
{
    std::u16string result;
    while (!text.empty()) {
        const char character = text.front();
        if (character == endCharacter) {
            text.remove_prefix(1);
            return result;
        }
        if (character == '\\') {
            text.remove_prefix(1);
            if (text.empty())
                break;
            AppendEscape(text, result);
            continue;
        }
        std::size_t position = 0;
        AppendUtf16(result, NextCodePoint(text, position));
        text.remove_prefix(position);
    }
    return std::nullopt;
}

std::string LittleEndianBytes(std::u16string_view units)
{
    std::string bytes;
    for (const char16_t unit : units) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

// Comma-separated bytes; a backslash at the end of a line continues the list
// on the next one.
std::optional<std::string> ReadHexBytes(std::string_view text, LineReader& lines)
{
    std::string bytes;
    for (;;) {
        while (!text.empty() && DigitValue(text.front(), 16) >= 0) {
            const std::uint64_t value = *ReadHexNumber(text);
            if (value > 0xFF)
                return std::nullopt;
            bytes += static_cast<char>(value);
            SkipSpaces(text);
            ConsumePrefix(text, ",");
            SkipSpaces(text);
        }
        SkipSpaces(text);
        if (text.empty())
            return bytes;
        if (text.front() != '\\' || !lines.Next(text))
            return std::nullopt;
        SkipSpaces(text);
    }
}

std::optional<std::string> ReadData(std::string_view text, DataEncoding encoding, LineReader& lines)
{
    switch (encoding) {
    case DataEncoding::Quoted: {
        std::optional<std::u16string> units = ReadQuoted(text, '"');
        if (!units)
            return std::nullopt;
        return LittleEndianBytes(*units + u'\0');
    }
    case DataEncoding::Hex:
        return ReadHexBytes(text, lines);
    case DataEncoding::Dword: {
        SkipSpaces(text);
        const std::optional<std::uint64_t> number = ReadHexNumber(text);
        if (!number)
            return std::nullopt;
        const auto dword = static_cast<std::uint32_t>(std::min(*number, kLargest32BitNumber));
        std::string bytes;
        for (int shift = 0; shift < 32; shift += 8)
            bytes += static_cast<char>((dword >> shift) & 0xFF);
        return bytes;
    }
    }
    return std::nullopt;
}

// The text after "name"=.
std::optional<RegistryValue> ReadValue(std::string_view text, LineReader& lines)
{
    for (const DataForm& form : kDataForms) {
        if (!ConsumePrefix(text, form.prefix))
            continue;
        std::optional<std::string> data = ReadData(text, form.encoding, lines);
        if (!data)
            return std::nullopt;
        return RegistryValue{form.type, std::move(*data)};
    }
    if (!ConsumePrefix(text, kTypedHexPrefix))
        return std::nullopt;
    const std::optional<std::uint64_t> type = ReadHexNumber(text);
    if (!type || *type > kLargest32BitNumber || !ConsumePrefix(text, kTypedHexSuffix))
        return std::nullopt;
    std::optional<std::string> data = ReadHexBytes(text, lines);
    if (!data)
        return std::nullopt;
    return RegistryValue{static_cast<std::uint32_t>(*type), std::move(*data)};
}

// A value line: "name"=data or @=data for the default value.
void ReadValueLine(std::string_view line, LineReader& lines, Values& values)
{
    std::u16string name;
    const bool isDefault = line.front() == '@';
    line.remove_prefix(1);
    if (!isDefault) {
        std::optional<std::u16string> quotedName = ReadQuoted(line, '"');
        if (!quotedName)
            return;
        name = std::move(*quotedName);
    }
    SkipSpaces(line);
    if (!ConsumePrefix(line, "="))
        return;
    SkipSpaces(line);
    if (std::optional<RegistryValue> value = ReadValue(line, lines))
        values[FoldCase(Utf8FromUtf16(name))] = std::move(*value);
}

// Case-folded, with empty components dropped, as Wine splits key paths.
std::string NormalizedKeyPath(std::string_view keyPath)
{
    const std::string folded = FoldCase(keyPath);
    std::string normalized;
    std::size_t start = 0;
    while (start <= folded.size()) {
        const std::size_t end = std::min(folded.find('\\', start), folded.size());
        if (end > start) {
            if (!normalized.empty())
                normalized += '\\';
            normalized.append(folded, start, end - start);
        }
        start = end + 1;
    }
    return normalized;
}

// The normalized path of a key line (after its '['); "" for a broken one.
std::string KeyLinePath(std::string_view line)
{
    const std::optional<std::u16string> path = ReadQuoted(line, ']');
    return path ? NormalizedKeyPath(Utf8FromUtf16(*path)) : "";
}

// The keys a reading keeps: each path given and its Wow6432Node counterpart,
// with their subkeys; every key when none is given.
class KeySelection {
public:
    explicit KeySelection(std::span<const std::string_view> keyPaths)
    {
        for (const std::string_view keyPath : keyPaths) {
            paths_.push_back(NormalizedKeyPath(keyPath));
            if (std::optional<std::string> counterpart = WineRegistry::Wow64Counterpart(keyPath))
                paths_.push_back(NormalizedKeyPath(*counterpart));
        }
    }

    // Whether the key line (after its '[') may name a kept key.
    bool Keeps(std::string_view line) const
    {
        if (paths_.empty())
            return true;
        if (const std::optional<bool> plain = MatchPlain(line))
            return *plain;
        const std::string path = KeyLinePath(line);
        return !path.empty()
            && std::any_of(paths_.begin(), paths_.end(),
                [&path](const std::string& kept) { return IsAtOrBelow(path, kept); });
    }

private:
    static bool IsAtOrBelow(std::string_view path, std::string_view kept)
    {
        return path.starts_with(kept) && (path.size() == kept.size() || path[kept.size()] == '\\');
    }

    // Decides a key line written in plain ASCII, with no escapes but doubled
    // backslashes as Wine writes nearly every key, while normalizing it: it
    // stops at the first character where no kept path agrees, so most keys
    // are passed over after a few characters. None for any other line.
    std::optional<bool> MatchPlain(std::string_view line) const
    {
        if (paths_.size() > kMaxPlainPaths)
            return std::nullopt;
        std::uint64_t agreeing = (std::uint64_t{1} << paths_.size()) - 1;
        std::size_t length = 0;  // of the normalized path so far
        bool pendingSeparator = false;
        // False once no kept path agrees; sets subkey when a kept path has ended.
        bool subkey = false;
        const auto append = [&](char character) {
            for (std::size_t index = 0; index < paths_.size(); ++index) {
                const std::string& kept = paths_[index];
                if (length == kept.size() && character == '\\' && (agreeing >> index & 1) != 0)
                    subkey = true;
                if (length >= kept.size() || kept[length] != character)
                    agreeing &= ~(std::uint64_t{1} << index);
            }
            ++length;
            return agreeing != 0;
        };
        for (std::size_t index = 0; index < line.size() && !subkey; ++index) {
            char character = line[index];
            if (character == ']') {
                for (std::size_t path = 0; path < paths_.size(); ++path) {
                    if ((agreeing >> path & 1) != 0 && paths_[path].size() == length)
                        return true;
                }
                return false;
            }
            if (character == '\\') {
                if (++index == line.size() || line[index] != '\\')
                    return std::nullopt;
                pendingSeparator = length > 0;
                continue;
            }
            if (character < ' ' || character > '~' || character == '"')
                return std::nullopt;
            if (character >= 'A' && character <= 'Z')
                character = static_cast<char>(character - 'A' + 'a');
            if ((pendingSeparator && !append('\\')) || (!subkey && !append(character)))
                return subkey;
            pendingSeparator = false;
        }
        return subkey ? std::optional<bool>(true) : std::nullopt;
    }

    static constexpr std::size_t kMaxPlainPaths = 64;  // one bit each in agreeing
    std::vector<std::string> paths_;
};

}  // namespace

std::u16string RegistryValue::Utf16() const
{
    std::u16string text;
    for (std::size_t index = 0; index + 1 < data.size(); index += 2) {
        const auto unit = static_cast<char16_t>(static_cast<unsigned char>(data[index])
            | (static_cast<unsigned char>(data[index + 1]) << 8));
        if (unit == u'\0')
            break;
        text += unit;
    }
    return text;
}

std::optional<WineRegistry> WineRegistry::Parse(
    std::string_view text, std::span<const std::string_view> keyPaths)
{
    LineReader lines(text);
    std::string_view line;
    if (!lines.Next(line) || TrimmedRight(line) != kHeader)
        return std::nullopt;

    const KeySelection selection(keyPaths);
    WineRegistry registry;
    bool beforeFirstKey = true;
    Values* currentKey = nullptr;  // none before the first key, after a bad key line, when skipped
    while (lines.Next(line)) {
        SkipSpaces(line);
        if (line.empty())
            continue;
        switch (line.front()) {
        case '[': {
            beforeFirstKey = false;
            line.remove_prefix(1);
            const std::string path = selection.Keeps(line) ? KeyLinePath(line) : "";
            currentKey = path.empty() ? nullptr : &registry.keys_[path];
            if (currentKey == nullptr)
                lines.SkipToKeyLine();
            break;
        }
        case '@':
        case '"':
            if (currentKey != nullptr)
                ReadValueLine(line, lines, *currentKey);
            break;
        case '#':
            if (beforeFirstKey && ConsumePrefix(line, kArchitectureOption))
                registry.is64Bit_ = TrimmedRight(line) == k64BitArchitecture;
            break;
        default:  // ';' comments, and lines Wine would skip as unreadable
            break;
        }
    }
    return registry;
}

std::optional<WineRegistry> WineRegistry::Load(
    const std::filesystem::path& file, std::span<const std::string_view> keyPaths)
{
    const std::optional<std::string> text
        = ReadSearchedFile(file, SearchedFile::WineRegistry).bytes;
    if (!text)
        return std::nullopt;
    return Parse(*text, keyPaths);
}

std::optional<std::string> WineRegistry::Wow64Counterpart(std::string_view keyPath)
{
    const std::size_t rootStart = keyPath.find_first_not_of('\\');
    if (rootStart == std::string_view::npos)
        return std::nullopt;
    const std::size_t rootEnd = std::min(keyPath.find('\\', rootStart), keyPath.size());
    if (FoldCase(keyPath.substr(rootStart, rootEnd - rootStart)) != kRedirectedRoot)
        return std::nullopt;
    return std::string(keyPath.substr(0, rootEnd)) + '\\' + std::string(kWow64Node)
        + std::string(keyPath.substr(rootEnd));
}

bool WineRegistry::HasKey(std::string_view keyPath) const
{
    const std::string normalized = NormalizedKeyPath(keyPath);
    if (normalized.empty())
        return false;
    if (keys_.contains(normalized))
        return true;
    const std::string subkeyPrefix = normalized + '\\';
    const auto subkey = keys_.lower_bound(subkeyPrefix);
    return subkey != keys_.end() && subkey->first.starts_with(subkeyPrefix);
}

std::optional<std::string> WineRegistry::KeyFor32BitProgram(std::string_view keyPath) const
{
    if (is64Bit_) {
        std::optional<std::string> redirected = Wow64Counterpart(keyPath);
        if (redirected && HasKey(*redirected))
            return redirected;
    }
    if (!HasKey(keyPath))
        return std::nullopt;
    return std::string(keyPath);
}

const RegistryValue* WineRegistry::FindValue(
    std::string_view keyPath, std::string_view valueName) const
{
    const auto key = keys_.find(NormalizedKeyPath(keyPath));
    if (key == keys_.end())
        return nullptr;
    const auto value = key->second.find(FoldCase(valueName));
    return value == key->second.end() ? nullptr : &value->second;
}
