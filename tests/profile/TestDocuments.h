#pragma once

// The profile documents the tests start from, and the edits they make to them.

#include "tests/support/Documents.h"
#include "tests/support/TestFolder.h"

inline const std::string kDefault = DefaultBytes();

// A profile edited by hand: comments, unknown elements and odd values.
inline const std::string kHandWritten = FileBytes(QUAVEL_TEST_DATA "/HandWritten.wst");

// The element's start and end tags renamed, so a search for it finds nothing.
inline std::string RenameElement(
    std::string document, const std::string& from, const std::string& to)
{
    for (const char* after : {" ", ">"})
        document = ReplaceAll(std::move(document), "<" + from + after, "<" + to + after);
    return ReplaceAll(std::move(document), "</" + from + ">", "</" + to + ">");
}
