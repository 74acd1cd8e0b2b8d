#include "profile/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <random>

namespace {

constexpr int kTemporaryNameAttempts = 100;

// Owns an open file descriptor; closing reports its own error, since on some
// file systems a failed write shows up only there.
class FileDescriptor {
public:
    explicit FileDescriptor(int descriptor)
        : descriptor_(descriptor)
    {
    }
    ~FileDescriptor()
    {
        if (descriptor_ >= 0)
            ::close(descriptor_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int get() const { return descriptor_; }
    bool IsOpen() const { return descriptor_ >= 0; }
    int Close()
    {
        const int result = ::close(descriptor_);
        descriptor_ = -1;
        return result == 0 ? 0 : errno;
    }

private:
    int descriptor_;
};

int WriteAll(int descriptor, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

// Writes, flushes and closes; the file is complete on disk when this gives 0.
int WriteFlushClose(FileDescriptor& file, std::string_view bytes)
{
    if (int error = WriteAll(file.get(), bytes))
        return error;
    if (::fsync(file.get()) != 0)
        return errno;
    return file.Close();
}

std::filesystem::path TemporaryPathFor(const std::filesystem::path& path)
{
    static thread_local std::mt19937_64 generator{std::random_device{}()};
    char suffix[17];
    std::snprintf(suffix, sizeof suffix, "%016llx", static_cast<unsigned long long>(generator()));
    // A leading dot and no ".wst" ending keep it out of the profile list.
    return path.parent_path() / ("." + path.filename().string() + "." + suffix + ".tmp");
}

// The rename is durable only once the folder is flushed as well. The new file is
// in place by then, so a folder that cannot be flushed is not a failed write.
void FlushFolderOf(const std::filesystem::path& path)
{
    const std::filesystem::path folder = path.parent_path().empty() ? "." : path.parent_path();
    FileDescriptor directory(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.IsOpen())
        ::fsync(directory.get());
}

int KeepPermissionsOf(const std::filesystem::path& path, int descriptor)
{
    struct stat existing { };
    if (::stat(path.c_str(), &existing) != 0)
        return 0;  // a new file
    return ::fchmod(descriptor, existing.st_mode & 07777) == 0 ? 0 : errno;
}

}  // namespace

int ReadFileBytes(const std::filesystem::path& path, std::string& bytes)
{
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!file.IsOpen())
        return errno;
    struct stat status { };
    if (::fstat(file.get(), &status) == 0 && status.st_size > 0)
        bytes.reserve(static_cast<std::size_t>(status.st_size));
    bytes.clear();
    char buffer[65536];
    for (;;) {
        const ssize_t count = ::read(file.get(), buffer, sizeof buffer);
        if (count == 0)
            return 0;
        if (count < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        bytes.append(buffer, static_cast<std::size_t>(count));
    }
}

int WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes)
{
    for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
        const std::filesystem::path temporary = TemporaryPathFor(path);
        FileDescriptor file(
            ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
        if (!file.IsOpen()) {
            if (errno == EEXIST)
                continue;
            return errno;
        }
        int error = KeepPermissionsOf(path, file.get());
        if (!error)
            error = WriteFlushClose(file, bytes);
        if (!error && ::rename(temporary.c_str(), path.c_str()) != 0)
            error = errno;
        if (error) {
            ::unlink(temporary.c_str());
            return error;
        }
        FlushFolderOf(path);
        return 0;
    }
    return EEXIST;
}

int WriteNewFile(const std::filesystem::path& path, std::string_view bytes)
{
    FileDescriptor file(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (!file.IsOpen())
        return errno;
    const int error = WriteFlushClose(file, bytes);
    if (error)
        ::unlink(path.c_str());
    return error;
}
