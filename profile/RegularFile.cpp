#include "profile/RegularFile.h"

#include "profile/FileDescriptor.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace {

int ReadAll(int descriptor, std::size_t maxBytes, std::string& bytes)
{
    char buffer[65536];
    for (;;) {
        const ssize_t count
            = ::pread(descriptor, buffer, sizeof buffer, static_cast<off_t>(bytes.size()));
        if (count == 0)
            return 0;
        if (count < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (bytes.size() + static_cast<std::size_t>(count) > maxBytes)
            return EFBIG;  // it grew while being read
        bytes.append(buffer, static_cast<std::size_t>(count));
    }
}

int WriteAll(int descriptor, std::string_view bytes)
{
    off_t offset = 0;
    while (!bytes.empty()) {
        const ssize_t written = ::pwrite(descriptor, bytes.data(), bytes.size(), offset);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
        offset += written;
    }
    return 0;
}

int KindError(mode_t mode)
{
    if (S_ISREG(mode))
        return 0;
    return S_ISDIR(mode) ? EISDIR : EINVAL;
}

}  // namespace

RegularFileRead ReadRegularFile(const std::filesystem::path& path, std::size_t maxBytes)
{
    // Non-blocking so that opening a FIFO or a device returns at once; the
    // file's kind is known only after the open.
    const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (!file.IsOpen())
        return {errno, {}, {}};
    return ReadRegularFile(file.get(), maxBytes);
}

RegularFileRead ReadRegularFile(int descriptor, std::size_t maxBytes)
{
    RegularFileRead result;
    struct stat status { };
    if (::fstat(descriptor, &status) != 0) {
        result.error = errno;
        return result;
    }
    result.stamp.size = status.st_size;
    if ((result.error = KindError(status.st_mode)))
        return result;
    if (static_cast<std::size_t>(status.st_size) > maxBytes) {
        result.error = EFBIG;
        return result;
    }
    ::fcntl(descriptor, F_SETFL, ::fcntl(descriptor, F_GETFL) & ~O_NONBLOCK);
    result.bytes.reserve(static_cast<std::size_t>(status.st_size));
    if ((result.error = ReadAll(descriptor, maxBytes, result.bytes)))
        return result;
    result.stamp = MakeFileStamp(status, result.bytes);
    return result;
}

int WriteRegularFile(int descriptor, std::string_view bytes)
{
    if (int error = WriteAll(descriptor, bytes))
        return error;
    if (::ftruncate(descriptor, static_cast<off_t>(bytes.size())) != 0 || ::fsync(descriptor) != 0)
        return errno;
    return 0;
}
