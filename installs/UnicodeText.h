#pragma once

// The few Unicode conversions that Wine's registry and file names need: UTF-8
// on the host, UTF-16 inside the registry, and names compared ignoring letter
// case as Windows compares them. A byte that does not start valid UTF-8 is
// read as a Latin-1 character, so every byte string decodes to something.

#include <cstddef>
#include <string>
#include <string_view>

// The code point that starts at position; position is moved past it.
char32_t NextCodePoint(std::string_view utf8, std::size_t& position);
// The same for UTF-16; an unpaired surrogate is returned as it is.
char32_t NextCodePoint(std::u16string_view utf16, std::size_t& position);

// Code points beyond U+10FFFF and surrogates are written as U+FFFD.
void AppendUtf8(std::string& text, char32_t codePoint);
void AppendUtf16(std::u16string& text, char32_t codePoint);

std::string Utf8FromUtf16(std::u16string_view text);

// Characters, a surrogate pair counted once: the text's length in bytes in a
// single-byte code page such as Windows-1252, where a character the code page
// lacks becomes one '?'.
std::size_t CharacterCount(std::u16string_view text);

// The text with its letters in lower case, for comparisons that ignore case:
// Latin (Basic, Latin-1, Extended-A), Greek and Cyrillic capitals are folded.
std::string FoldCase(std::string_view utf8);
