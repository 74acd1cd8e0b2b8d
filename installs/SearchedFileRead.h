#pragma once

// The one way the install search reads a file: anything may lie in a home
// folder under a name the search looks for (a FIFO, a link to a device, a
// sparse file of many gigabytes, a text without line breaks), so each file is
// read through ReadRegularFile, within a size limit and a line length limit
// of its kind, and is skipped with its reason when it breaks one.
//
// A Wine registry may be 64 MiB with lines of 1 MiB; the small files (Steam's
// library list, Lutris's game files, the settings file) 1 MiB with lines of
// 64 KiB, and no NUL byte, which no text of theirs holds.

#include "installs/InstallProblem.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

struct SearchedFileRead {
    // The file's bytes; none when it is missing or skipped.
    std::optional<std::string> bytes;
    // Why a file that exists was not read.
    std::optional<SkippedFile> skipped;
};

SearchedFileRead ReadSearchedFile(const std::filesystem::path& path, SearchedFile kind);

// The text up to its first LF, which is taken off the text with the line.
std::string_view TakeLine(std::string_view& text);
