#pragma once

// Listing folders for the prefix search: missing or unreadable folders are
// simply empty, and entries come in name order so that results do not depend
// on the order of the file system.

#include "installs/InstallProblem.h"

#include <filesystem>
#include <string_view>
#include <vector>

// Folders named in files (Steam's library list, Lutris's game files), and the
// files among those that were skipped.
struct ListedFolders {
    std::vector<std::filesystem::path> folders;
    std::vector<SkippedFile> skippedFiles;
};

// Every entry of folder, sorted by name.
std::vector<std::filesystem::path> SortedEntries(const std::filesystem::path& folder);

// The folders that pattern names below base: a pattern is relative, its
// components separated by '/', and a "*" component stands for every folder.
std::vector<std::filesystem::path> MatchingFolders(
    const std::filesystem::path& base, std::string_view pattern);
