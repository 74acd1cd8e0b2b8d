#pragma once

// Whole-file reads and writes for profiles and their copies. A write either
// puts the complete new content in place or leaves the old file as it was:
// never a half-written file, never a stray temporary file. Each gives 0 or the
// errno value of the failed step.

#include <filesystem>
#include <string>
#include <string_view>

int ReadFileBytes(const std::filesystem::path& path, std::string& bytes);

// Replaces or creates path: the bytes go to a temporary file in the same folder,
// are flushed to disk and renamed over path. An existing file keeps its
// permission bits; a new one gets the usual ones (0666 less the umask).
int WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// Creates path with the bytes and never replaces a file: EEXIST when path
// exists, also when another process creates it at the same moment. A write that
// fails half-way removes the new file again.
int WriteNewFile(const std::filesystem::path& path, std::string_view bytes);
