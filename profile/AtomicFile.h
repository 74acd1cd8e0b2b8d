#pragma once

// Whole-file writes for profiles and their copies. A new file appears complete
// or not at all. Replacing a file keeps what its user set up: a symbolic link
// stays a link and its target is written; owner, group, mode and extended
// attributes (ACLs among them) stay. Where the new file could not carry those
// (another owner that this user cannot give away files to) or the file has
// several hard links, the bytes are written in place instead, and a failed
// write puts the old bytes back. Each gives 0 or the errno of the failed step.

#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <string_view>

// A profile-sized read of a regular file (see ReadRegularFile).
int ReadFileBytes(const std::filesystem::path& path, std::string& bytes);

// Replaces or creates path. A file that this user may not write, or whose mode
// allows nobody to write, is not replaced: EACCES (EROFS on a read-only file
// system). EISDIR for a folder, EINVAL for another kind of file.
int WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// Creates path with the bytes and never replaces a file: EEXIST when path
// exists, also when another process creates it at the same moment;
// ENAMETOOLONG when the name does not fit the file system. Given like, the
// file has its mode, and its owner and group where this user may give them.
int WriteNewFile(
    const std::filesystem::path& path, std::string_view bytes, const struct stat* like = nullptr);
