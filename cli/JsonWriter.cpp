#include "cli/JsonWriter.h"

#include "installs/UnicodeText.h"

#include <array>
#include <string>

namespace {

constexpr std::size_t kIndent = 2;

struct Escape {
    char32_t character;
    std::string_view text;
};

constexpr std::array<Escape, 5> kEscapes{
    {{U'"', "\\\""}, {U'\\', "\\\\"}, {U'\n', "\\n"}, {U'\r', "\\r"}, {U'\t', "\\t"}}};

constexpr std::string_view kHexDigits = "0123456789abcdef";

void AppendEscapedByte(std::string& text, unsigned char byte)
{
    text += "\\udc";
    text += kHexDigits[byte >> 4];
    text += kHexDigits[byte & 0xF];
}

void AppendEscaped(std::string& text, char32_t character)
{
    for (const Escape& escape : kEscapes) {
        if (escape.character == character) {
            text += escape.text;
            return;
        }
    }
    if (character < 0x20) {
        text += "\\u00";
        text += kHexDigits[character >> 4];
        text += kHexDigits[character & 0xF];
        return;
    }
    AppendUtf8(text, character);
}

}  // namespace

JsonWriter::JsonWriter(std::ostream& out)
    : out_(out)
{
}

void JsonWriter::BeginObject()
{
    Begin('{');
}

void JsonWriter::EndObject()
{
    End('}');
}

void JsonWriter::BeginArray()
{
    Begin('[');
}

void JsonWriter::EndArray()
{
    End(']');
}

void JsonWriter::Key(std::string_view name)
{
    BeforeValue();
    WriteQuoted(name);
    out_ << ": ";
    afterKey_ = true;
}

void JsonWriter::String(std::string_view text)
{
    BeforeValue();
    WriteQuoted(text);
}

void JsonWriter::Bool(bool value)
{
    BeforeValue();
    out_ << (value ? "true" : "false");
}

void JsonWriter::Number(std::uint64_t value)
{
    BeforeValue();
    out_ << value;
}

void JsonWriter::Null()
{
    BeforeValue();
    out_ << "null";
}

// A value after a key stays on the key's line; any other member starts a line.
void JsonWriter::BeforeValue()
{
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (hasMembers_.empty())
        return;
    if (hasMembers_.back())
        out_ << ',';
    hasMembers_.back() = true;
    NewLine();
}

void JsonWriter::Begin(char bracket)
{
    BeforeValue();
    out_ << bracket;
    hasMembers_.push_back(false);
}

void JsonWriter::End(char bracket)
{
    const bool hadMembers = hasMembers_.back();
    hasMembers_.pop_back();
    if (hadMembers)
        NewLine();
    out_ << bracket;
    if (hasMembers_.empty())
        out_ << '\n';
}

void JsonWriter::NewLine()
{
    out_ << '\n' << std::string(hasMembers_.size() * kIndent, ' ');
}

// A byte that is not part of valid UTF-8 (a file name in another encoding)
// becomes the lone surrogate U+DC00 + byte, as Python's surrogateescape reads
// it, so that a script can turn the text back into the very bytes.
void JsonWriter::WriteQuoted(std::string_view text)
{
    std::string quoted = "\"";
    std::string encoded;
    for (std::size_t position = 0; position < text.size();) {
        const std::size_t start = position;
        const char32_t character = NextCodePoint(text, position);
        encoded.clear();
        AppendUtf8(encoded, character);
        if (encoded == text.substr(start, position - start)) {
            AppendEscaped(quoted, character);
            continue;
        }
        for (const char byte : text.substr(start, position - start))
            AppendEscapedByte(quoted, static_cast<unsigned char>(byte));
    }
    out_ << quoted << '"';
}
