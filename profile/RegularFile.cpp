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
        const ssize_t count = ::read(descriptor, buffer, sizeof buffer);
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

int KindError(mode_t mode)
{
    if (S_ISREG(mode))
        return 0;
    return S_ISDIR(mode) ? EISDIR : EINVAL;
}

}  // namespace

RegularFileRead ReadRegularFile(const std::filesystem::path& path, std::size_t maxBytes)
{
    RegularFileRead result;
    // Non-blocking so that opening a FIFO or a device returns at once; the
    // file's kind is known only after the open.
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    struct stat status { };
    if (!file.IsOpen() || ::fstat(file.get(), &status) != 0) {
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
    ::fcntl(file.get(), F_SETFL, ::fcntl(file.get(), F_GETFL) & ~O_NONBLOCK);
    result.bytes.reserve(static_cast<std::size_t>(status.st_size));
    if ((result.error = ReadAll(file.get(), maxBytes, result.bytes)))
        return result;
    result.stamp = MakeFileStamp(status, result.bytes);
    return result;
}
