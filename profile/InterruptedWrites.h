#pragma once

// Finishes what an interrupted write in place left behind (see RecoveryCopy).
// For each copy that no writer at work holds: when its file holds the
// complete new bytes or the old ones, or was replaced or removed since, the
// copy goes without a word; any other content is a half-written file, which
// is written back from the copy in place (keeping its inode, links, owner and
// attributes) and told once through TakeRestoredFiles.

#include <filesystem>
#include <vector>

// Recovers the files of a folder, or one file. 0, or the errno of the first
// copy that could not be read or file that could not be restored; the copy
// then stays for a later attempt.
int RecoverInterruptedWrites(const std::filesystem::path& folderOrFile);

// The files that this process restored since the last call, oldest first.
std::vector<std::filesystem::path> TakeRestoredFiles();
