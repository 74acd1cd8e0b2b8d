#pragma once

// The one way the program reads a file that anyone may have put in its place
// (a profile, Default.wst, the Wine registry): only a regular file is read,
// opening never waits (a FIFO or a device is refused, not read), and no more
// than a limit is ever held in memory. And the one way it writes a whole file
// over an open one.

#include "profile/FileStamp.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

// The largest profile the program reads; real ones are about 14 KB.
inline constexpr std::size_t kMaximumProfileBytes = 16 * 1024 * 1024;

struct RegularFileRead {
    // 0, or the errno: ENOENT, EACCES..., EISDIR for a folder, EINVAL for any
    // other file that is not a regular one, EFBIG when larger than the limit.
    int error = 0;
    std::string bytes;
    // Complete when error is 0; with EFBIG its size is the file's.
    FileStamp stamp;
};

RegularFileRead ReadRegularFile(const std::filesystem::path& path, std::size_t maxBytes);
// The same for a file this process opened for reading, read from its start.
RegularFileRead ReadRegularFile(int descriptor, std::size_t maxBytes);

// The open file holds exactly the bytes, on disk, when this gives 0; else the
// errno of the step that failed.
int WriteRegularFile(int descriptor, std::string_view bytes);
