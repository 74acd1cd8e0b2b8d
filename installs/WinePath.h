#pragma once

// Turns a Windows path of a Wine prefix into the host path Wine would open.
// The drive letter goes through the prefix's dosdevices link; after it, every
// component that exists is matched ignoring letter case, as Wine matches it,
// so the host path names existing folders and files as they are spelt on
// disk. Components from the first missing one on are kept as written, so
// creating the path later spells the new folders that way.

#include "installs/WinePrefix.h"

#include <filesystem>
#include <optional>
#include <string_view>

// Backslashes and slashes both separate components; "." and ".." are resolved
// by name and never climb above the drive. None when the path does not start
// with a drive ("X:" followed by a separator or the end) or when the prefix
// has no link to a folder for that drive.
std::optional<std::filesystem::path> MapWindowsPath(
    const WinePrefix& prefix, std::string_view windowsPath);

// folder with relativePath's components appended, each in the spelling of an
// existing entry that matches it ignoring case, else as written; separators,
// "." and ".." as above, never climbing above folder.
std::filesystem::path FollowPathIgnoringCase(
    const std::filesystem::path& folder, std::string_view relativePath);
