#pragma once

// The profile documents the tests start from, and the edits they make to them.

#include "profile/DefaultDocument.h"

#include "tests/support/TestFolder.h"

#include <string>
#include <string_view>

inline const std::string kDefault(DefaultDocument());

// A profile edited by hand: comments, unknown elements and odd values.
inline const std::string kHandWritten = FileBytes(QUAVEL_TEST_DATA "/HandWritten.wst");

// Every occurrence of from replaced by to.
inline std::string ReplaceAll(std::string text, std::string_view from, std::string_view to)
{
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

// The element's start and end tags renamed, so a search for it finds nothing.
inline std::string RenameElement(
    std::string document, const std::string& from, const std::string& to)
{
    document = ReplaceAll(std::move(document), "<" + from + " ", "<" + to + " ");
    document = ReplaceAll(std::move(document), "<" + from + ">", "<" + to + ">");
    return ReplaceAll(std::move(document), "</" + from + ">", "</" + to + ">");
}
