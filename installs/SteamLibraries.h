#pragma once

// Steam's libraries, whose steamapps/compatdata/<game>/pfx folders are the
// Wine prefixes Proton makes. Steam lists its libraries in
// steamapps/libraryfolders.vdf, a text of quoted keys and values in braces;
// only the library paths are read from it, line by line.

#include "installs/FolderListing.h"

#include <filesystem>

// The native and the Flatpak Steam folders in the home folder, then every
// library their libraryfolders.vdf files list, in that order (repeats kept),
// and the lists that were skipped.
ListedFolders SteamLibraries(const std::filesystem::path& home);
