#include "profile/TemporaryFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <map>
#include <mutex>
#include <random>
#include <string>
#include <string_view>

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kPrefix = ".quavel-";
constexpr std::string_view kSuffix = ".tmp";
constexpr int kNameAttempts = 100;
constexpr auto kSweepInterval = std::chrono::hours(1);

fs::path FolderOrCurrent(fs::path folder)
{
    return folder.empty() ? fs::path(".") : folder;
}

fs::path RandomName(const fs::path& folder)
{
    static thread_local std::mt19937_64 generator{std::random_device{}()};
    char digits[17];
    std::snprintf(digits, sizeof digits, "%016llx", static_cast<unsigned long long>(generator()));
    return folder / (std::string(kPrefix) + digits + std::string(kSuffix));
}

bool IsTemporaryName(std::string_view name)
{
    return name.size() > kPrefix.size() + kSuffix.size() && name.starts_with(kPrefix)
        && name.ends_with(kSuffix);
}

// A leftover is a temporary file that no open TemporaryFile holds locked.
void RemoveIfLeftOver(const fs::path& path)
{
    const FileDescriptor file(
        ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    struct stat status { };
    if (file.IsOpen() && ::fstat(file.get(), &status) == 0 && S_ISREG(status.st_mode)
        && ::flock(file.get(), LOCK_EX | LOCK_NB) == 0)
        ::unlink(path.c_str());
}

// Once per folder and hour: a folder of 10,000 profiles takes milliseconds to
// walk, longer than a save.
void SweepLeftOversOnce(const fs::path& folder)
{
    static std::mutex mutex;
    static std::map<fs::path, std::chrono::steady_clock::time_point> lastSweeps;
    const auto now = std::chrono::steady_clock::now();
    {
        const std::lock_guard lock(mutex);
        const auto [last, first] = lastSweeps.try_emplace(folder, now);
        if (!first && now - last->second < kSweepInterval)
            return;
        last->second = now;
    }
    std::error_code error;
    for (auto entry = fs::directory_iterator(folder, error);
         !error && entry != fs::directory_iterator(); entry.increment(error)) {
        if (IsTemporaryName(entry->path().filename().native()))
            RemoveIfLeftOver(entry->path());
    }
}

// The new name is durable only once the folder is flushed. The file is in
// place by then, so a folder that cannot be flushed is no failed write.
void FlushFolder(const fs::path& folder)
{
    const FileDescriptor directory(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.IsOpen())
        ::fsync(directory.get());
}

// Naming a nameless file goes through /proc; without it the file stays named.
bool CanNameNamelessFiles()
{
    static const bool available = ::access("/proc/self/fd", X_OK) == 0;
    return available;
}

}  // namespace

TemporaryFile::TemporaryFile(fs::path folder, Naming naming)
    : folder_(FolderOrCurrent(std::move(folder)))
{
    SweepLeftOversOnce(folder_);
    bool named = naming == Naming::Named || !CanNameNamelessFiles();
    if (!named) {
        file_ = FileDescriptor(::open(folder_.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666));
        // Older kernels and some file systems lack O_TMPFILE and say so in one of these ways.
        named = !file_.IsOpen() && (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL);
    }
    for (int attempt = 0; named && attempt < kNameAttempts; ++attempt) {
        name_ = RandomName(folder_);
        file_ = FileDescriptor(
            ::open(name_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666));
        if (file_.IsOpen() || errno != EEXIST)
            break;
    }
    if (!file_.IsOpen()) {
        error_ = errno;
        name_.clear();
        return;
    }
    // A named file is unlocked for a moment, in which another process's sweep
    // may remove it; the publication then fails and the target stays as it was.
    ::flock(file_.get(), LOCK_EX);
}

TemporaryFile::~TemporaryFile()
{
    if (!name_.empty())
        ::unlink(name_.c_str());
}

int TemporaryFile::Publish(const fs::path& target, Publication publication)
{
    const int error = name_.empty() ? PublishNameless(target, publication)
                                    : PublishNamed(target, publication);
    if (error == 0)
        FlushFolder(folder_);
    return error;
}

int TemporaryFile::PublishNameless(const fs::path& target, Publication publication)
{
    const std::string self = "/proc/self/fd/" + std::to_string(file_.get());
    if (publication == Publication::NeverReplace)
        return ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, target.c_str(), AT_SYMLINK_FOLLOW) == 0
            ? 0
            : errno;
    // No call replaces a file by a nameless one: it gets a temporary name first.
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        name_ = RandomName(folder_);
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name_.c_str(), AT_SYMLINK_FOLLOW) == 0)
            return PublishNamed(target, publication);
        name_.clear();
        if (errno != EEXIST)
            return errno;
    }
    return EEXIST;
}

int TemporaryFile::PublishNamed(const fs::path& target, Publication publication)
{
    const unsigned flags = publication == Publication::NeverReplace ? RENAME_NOREPLACE : 0;
    if (::renameat2(AT_FDCWD, name_.c_str(), AT_FDCWD, target.c_str(), flags) == 0) {
        name_.clear();
        return 0;
    }
    if (errno != EINVAL || flags == 0)
        return errno;
    // A file system without RENAME_NOREPLACE: link() never replaces either,
    // and the destructor removes the temporary name.
    return ::link(name_.c_str(), target.c_str()) == 0 ? 0 : errno;
}

int CheckWriteAccess(const fs::path& folder)
{
    return TemporaryFile(folder, Naming::Named).error();
}
