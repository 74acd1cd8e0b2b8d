#include "profile/AtomicFile.h"

#include "profile/FileDescriptor.h"
#include "profile/InterruptedWrites.h"
#include "profile/RecoveryCopy.h"
#include "profile/RegularFile.h"
#include "profile/TemporaryFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int kMaximumLinks = 40;  // as the kernel's own limit

// The file that path names once every symbolic link is followed; it need not
// exist. ELOOP in error for a loop of links.
fs::path FollowLinks(fs::path path, int& error)
{
    for (int link = 0; link < kMaximumLinks; ++link) {
        std::error_code status;
        if (!fs::is_symlink(fs::symlink_status(path, status)))
            return path;
        const fs::path target = fs::read_symlink(path, status);
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    error = ELOOP;
    return path;
}

// Owner and group first: giving a file away clears its set-user-ID bits.
bool CarryOwnerAndMode(const struct stat& original, int descriptor)
{
    struct stat created { };
    if (::fstat(descriptor, &created) != 0)
        return false;
    if ((created.st_uid != original.st_uid || created.st_gid != original.st_gid)
        && ::fchown(descriptor, original.st_uid, original.st_gid) != 0)
        return false;
    return ::fchmod(descriptor, original.st_mode & 07777) == 0;
}

std::vector<char> AttributeNames(const fs::path& path)
{
    std::vector<char> names;
    for (ssize_t size = ::listxattr(path.c_str(), nullptr, 0); size > 0;
         size = ::listxattr(path.c_str(), nullptr, 0)) {
        names.resize(static_cast<std::size_t>(size));
        size = ::listxattr(path.c_str(), names.data(), names.size());
        if (size >= 0) {
            names.resize(static_cast<std::size_t>(size));
            return names;
        }
        if (errno != ERANGE)  // ERANGE: the list grew in between
            break;
    }
    names.clear();
    return names;
}

// Extended attributes, the ACLs among them (system.posix_acl_access), after
// the mode, which would change an ACL's mask. A file system without them has
// none to carry. 0 or the errno.
int CarryExtendedAttributes(const fs::path& original, int descriptor)
{
    const std::vector<char> names = AttributeNames(original);
    std::vector<char> value;
    for (std::size_t at = 0; at < names.size(); at += std::string_view(&names[at]).size() + 1) {
        const char* name = &names[at];
        const ssize_t size = ::getxattr(original.c_str(), name, nullptr, 0);
        value.resize(static_cast<std::size_t>(std::max<ssize_t>(size, 0)));
        if (size < 0 || ::getxattr(original.c_str(), name, value.data(), value.size()) != size
            || ::fsetxattr(descriptor, name, value.data(), value.size(), 0) != 0)
            return errno;
    }
    return 0;
}

// The set-up of the original on a new file: its mode, its owner and group
// where this user may give them, and every extended attribute. 0 or the errno.
int CarrySetUp(const fs::path& original, int descriptor)
{
    struct stat status { };
    if (::stat(original.c_str(), &status) != 0)
        return errno;
    if (!CarryOwnerAndMode(status, descriptor) && ::fchmod(descriptor, status.st_mode & 07777) != 0)
        return errno;
    return CarryExtendedAttributes(original, descriptor);
}

// Writes over the file's own bytes, keeping its inode and with it every link,
// owner and attribute. A copy of the old bytes is kept until the new ones are
// on disk, so that a write cut short is undone by the next reader; when the
// write fails, the old bytes go back at once.
int WriteInPlace(const fs::path& path, std::string_view bytes)
{
    const RegularFileRead old = ReadRegularFile(path, kMaximumProfileBytes);
    if (old.error)
        return old.error;
    FileDescriptor file(::open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NOFOLLOW));
    if (!file.IsOpen())
        return errno;
    RecoveryCopy copy({WritePathOf(path), old.stamp.inode, old.bytes,
        static_cast<off_t>(bytes.size()), ContentHash(bytes)});
    if (copy.error())
        return copy.error();
    if (int error = WriteRegularFile(file.get(), bytes)) {
        if (WriteRegularFile(file.get(), old.bytes) == 0)
            copy.Remove();
        return error;
    }
    if (int error = file.Close())
        return error;  // the copy stays: the next reader sees what reached the disk
    copy.Remove();
    return 0;
}

int WriteByRenaming(const fs::path& path, const struct stat* original, std::string_view bytes)
{
    TemporaryFile temporary(path.parent_path());
    if (temporary.error() == EACCES && original)
        return WriteInPlace(path, bytes);  // a folder closed to new files
    if (temporary.error())
        return temporary.error();
    if (original
        && !(CarryOwnerAndMode(*original, temporary.descriptor())
            && CarryExtendedAttributes(path, temporary.descriptor()) == 0))
        return WriteInPlace(path, bytes);
    if (int error = WriteRegularFile(temporary.descriptor(), bytes))
        return error;
    return temporary.Publish(path, Publication::Replace);
}

int WritePermission(const fs::path& path, const struct stat& status)
{
    if (::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0)
        return errno;
    // Root may write anything; a file nobody may write is still not replaced.
    return (status.st_mode & 0222) == 0 ? EACCES : 0;
}

}  // namespace

int ReadFileBytes(const fs::path& path, std::string& bytes)
{
    RecoverInterruptedWrites(path);  // its outcome shows in the read
    RegularFileRead read = ReadRegularFile(path, kMaximumProfileBytes);
    bytes = std::move(read.bytes);
    return read.error;
}

int WriteFileAtomically(const fs::path& path, std::string_view bytes)
{
    int error = 0;
    const fs::path target = FollowLinks(path, error);
    struct stat status { };
    if (error)
        return error;
    if (::lstat(target.c_str(), &status) != 0)
        return errno == ENOENT ? WriteByRenaming(target, nullptr, bytes) : errno;
    if (!S_ISREG(status.st_mode))
        return S_ISDIR(status.st_mode) ? EISDIR : EINVAL;
    if ((error = WritePermission(target, status)))
        return error;
    // A copy left beside it would stand in the way of the next write in place;
    // the write's own outcome tells whether the file could be written.
    RecoverInterruptedWrites(target);
    return status.st_nlink > 1 ? WriteInPlace(target, bytes)
                               : WriteByRenaming(target, &status, bytes);
}

int WriteNewFile(const fs::path& path, std::string_view bytes, const fs::path& like)
{
    TemporaryFile temporary(path.parent_path());
    if (temporary.error())
        return temporary.error();
    if (int error = like.empty() ? 0 : CarrySetUp(like, temporary.descriptor()))
        return error;
    if (int error = WriteRegularFile(temporary.descriptor(), bytes))
        return error;
    return temporary.Publish(path, Publication::NeverReplace);
}
