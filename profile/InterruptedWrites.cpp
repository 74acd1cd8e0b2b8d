#include "profile/InterruptedWrites.h"

#include "profile/FileDescriptor.h"
#include "profile/RecoveryCopy.h"
#include "profile/RegularFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <mutex>
#include <utility>

namespace fs = std::filesystem;

namespace {

std::mutex restoredMutex;
std::vector<fs::path> restoredFiles;

void TellRestored(const fs::path& file)
{
    const std::lock_guard lock(restoredMutex);
    restoredFiles.push_back(file);
}

bool IsSameInode(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Whether the file needs its old bytes back: 0 when not, ENOEXEC when so,
// else the errno of reading it.
int Judge(const fs::path& file, const RecoveryRecord& record)
{
    const RegularFileRead now = ReadRegularFile(file, kMaximumProfileBytes);
    if (now.error == ENOENT)
        return 0;  // removed since: nothing to restore
    if (now.error == EFBIG)
        return ENOEXEC;
    if (now.error)
        return now.error;
    if (now.stamp.inode != record.inode)
        return 0;  // replaced whole since, by a rename
    const bool complete
        = now.stamp.size == record.newSize && now.stamp.contentHash == record.newHash;
    return complete || now.bytes == record.oldBytes ? 0 : ENOEXEC;
}

int Restore(const fs::path& file, const RecoveryRecord& record)
{
    FileDescriptor target(::open(file.c_str(), O_WRONLY | O_CLOEXEC | O_NOFOLLOW));
    if (!target.IsOpen())
        return errno;
    if (const int error = WriteRegularFile(target.get(), record.oldBytes))
        return error;
    if (const int error = target.Close())
        return error;
    TellRestored(file);
    return 0;
}

// Acts on one copy; file is the one beside it, or empty for the file it names.
int RecoverFrom(const fs::path& copy, const fs::path& file)
{
    const FileDescriptor held(::open(copy.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
    if (!held.IsOpen())
        return errno == ENOENT ? 0 : errno;
    // A writer at work holds its copy; a copy renamed away or replaced while
    // this process waited for the lock is another's to judge.
    struct stat locked { };
    struct stat named { };
    if (::flock(held.get(), LOCK_EX | LOCK_NB) != 0 || ::fstat(held.get(), &locked) != 0
        || ::lstat(copy.c_str(), &named) != 0 || !IsSameInode(locked, named))
        return 0;
    RecoveryRecord record;
    if (const int error = ReadRecoveryCopy(held.get(), record))
        return error;
    const fs::path& original = file.empty() ? record.file : file;
    int error = Judge(original, record);
    if (error == ENOEXEC)
        error = Restore(original, record);
    if (error == 0)
        ::unlink(copy.c_str());
    return error;
}

// The copies in the state folder of files in the folder.
int RecoverFromStateFolder(const fs::path& folder)
{
    int firstError = 0;
    std::error_code error;
    for (auto entry = fs::directory_iterator(RecoveryStateFolder(), error);
         !error && entry != fs::directory_iterator(); entry.increment(error)) {
        const FileDescriptor copy(
            ::open(entry->path().c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK));
        RecoveryRecord record;
        if (!copy.IsOpen() || ReadRecoveryCopy(copy.get(), record) != 0
            || record.file.parent_path() != folder)
            continue;
        const int recovered = RecoverFrom(entry->path(), record.file);
        firstError = firstError ? firstError : recovered;
    }
    return firstError;
}

int RecoverFolder(const fs::path& folder)
{
    int firstError = 0;
    std::error_code error;
    for (auto entry = fs::directory_iterator(folder, error);
         !error && entry != fs::directory_iterator(); entry.increment(error)) {
        const fs::path file = FileOfBesideCopy(entry->path());
        const int recovered = file.empty() ? 0 : RecoverFrom(entry->path(), file);
        firstError = firstError ? firstError : recovered;
    }
    const int recovered = RecoverFromStateFolder(folder);
    return firstError ? firstError : recovered;
}

int RecoverFile(const fs::path& file)
{
    const int beside = RecoverFrom(BesideCopyPath(file), file);
    const fs::path state = StateCopyPath(file);
    const int inState = state.empty() ? 0 : RecoverFrom(state, file);
    return beside ? beside : inState;
}

}  // namespace

int RecoverInterruptedWrites(const fs::path& folderOrFile)
{
    const fs::path path = WritePathOf(folderOrFile);
    std::error_code error;
    return fs::is_directory(path, error) ? RecoverFolder(path) : RecoverFile(path);
}

std::vector<fs::path> TakeRestoredFiles()
{
    const std::lock_guard lock(restoredMutex);
    return std::exchange(restoredFiles, {});
}
