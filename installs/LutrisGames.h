#pragma once

// The Wine prefixes of the games Lutris knows: each game's YAML file holds its
// prefix as "prefix:" in its "game:" section. Only those two keys are read, line
// by line; that is all of YAML this needs.

#include <filesystem>
#include <vector>

// From ~/.config/lutris/games/*.yml and ~/.local/share/lutris/games/*.yml, in
// file-name order; a leading "~/" is taken as home.
std::vector<std::filesystem::path> LutrisGamePrefixes(const std::filesystem::path& home);
