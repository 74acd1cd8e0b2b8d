#pragma once

// What a file was when the program read or wrote it: which file (device and
// inode), its size, its modification time and a hash of its content. Two stamps
// differ when anything touched the file in between, even a write that kept
// its size within one tick of a coarse file-system clock.

#include <sys/stat.h>

#include <cstdint>
#include <string_view>

struct FileStamp {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    std::int64_t modifiedSeconds = 0;
    std::int64_t modifiedNanoseconds = 0;
    std::uint64_t contentHash = 0;

    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

// FNV-1a, 64 bits: fast on small files and changes with any byte.
std::uint64_t ContentHash(std::string_view content);

// The stamp of the file whose status and whole content these are.
FileStamp MakeFileStamp(const struct stat& status, std::string_view content);
