#pragma once

// Whole-file writes for profiles and their copies. A new file appears complete
// or not at all. Replacing a file keeps what its user set up: a symbolic link
// stays a link and its target is written; owner, group, mode and extended
// attributes (ACLs among them) stay. Where the new file could not carry those
// (another owner that this user cannot give away files to) or the file has
// several hard links, or its folder is closed to new files, the bytes are
// written in place instead, with a copy of the old ones kept until the new
// ones are on disk (see RecoveryCopy): a write cut short by a crash is undone
// by the next read or write of the file, and a failed write puts the old
// bytes back at once. Each gives 0 or the errno of the failed step.

#include <filesystem>
#include <string>
#include <string_view>

// A profile-sized read of a regular file (see ReadRegularFile), after undoing
// an interrupted write of it (see RecoverInterruptedWrites).
int ReadFileBytes(const std::filesystem::path& path, std::string& bytes);

// Replaces or creates path. A file that this user may not write, or whose mode
// allows nobody to write, is not replaced: EACCES (EROFS on a read-only file
// system). EISDIR for a folder, EINVAL for another kind of file. Written in
// place, EBUSY while another process writes the same file in place, and the
// errno of keeping the copy where neither its folder nor the state folder
// takes it.
int WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// Creates path with the bytes and never replaces a file: EEXIST when path
// exists, also when another process creates it at the same moment;
// ENAMETOOLONG when the name does not fit the file system. Given like, an
// existing file, the new one has its mode and extended attributes (ACL
// entries among them), and its owner and group where this user may give them;
// an attribute that cannot be carried fails the write with its errno.
int WriteNewFile(const std::filesystem::path& path, std::string_view bytes,
    const std::filesystem::path& like = {});
