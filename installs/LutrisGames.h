#pragma once

// The Wine prefixes of the games Lutris knows: each game's YAML file (written
// by PyYAML, which quotes and escapes paths with letters outside ASCII and
// folds long ones onto the next line) holds its prefix as "prefix" in its
// "game" mapping. The files are read by a YAML parser, from bytes read within
// the limits of ReadSearchedFile.

#include "installs/FolderListing.h"

#include <filesystem>

// From ~/.config/lutris/games/*.yml and ~/.local/share/lutris/games/*.yml, in
// file-name order; a leading "~/" is taken as home. A file that cannot be
// read or is not YAML is skipped.
ListedFolders LutrisGamePrefixes(const std::filesystem::path& home);
