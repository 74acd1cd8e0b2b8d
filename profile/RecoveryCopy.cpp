#include "profile/RecoveryCopy.h"

#include "profile/FileStamp.h"
#include "profile/RegularFile.h"
#include "profile/StateFolder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdio>

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kMagic = "quavel recovery copy 1\n";
constexpr std::string_view kBesidePrefix = ".";
constexpr std::string_view kBesideSuffix = ".quavel-recovery";
constexpr std::string_view kStateSuffix = ".copy";
// Room for the header beside the largest profile: the magic, six numbers and a path.
constexpr std::size_t kHeaderRoom = 8192;

// The header holds the numbers in decimal, the path by its length; the old
// bytes follow it.
std::string Serialize(const RecoveryRecord& record)
{
    const std::string path = record.file.native();
    std::string content(kMagic);
    for (const std::uint64_t number : {std::uint64_t(record.inode), std::uint64_t(record.newSize),
             record.newHash, std::uint64_t(record.oldBytes.size()), ContentHash(record.oldBytes),
             std::uint64_t(path.size())})
        content += std::to_string(number) + ' ';
    content += '\n' + path + '\n';
    content += record.oldBytes;
    return content;
}

// Parses a number and the space after it; false when there is none.
bool TakeNumber(std::string_view& text, std::uint64_t& number)
{
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end == text.data() + text.size() || *end != ' ')
        return false;
    text.remove_prefix(static_cast<std::size_t>(end - text.data()) + 1);
    return true;
}

bool Parse(std::string_view text, RecoveryRecord& record)
{
    std::uint64_t numbers[6] = {};
    if (!text.starts_with(kMagic))
        return false;
    text.remove_prefix(kMagic.size());
    for (std::uint64_t& number : numbers) {
        if (!TakeNumber(text, number))
            return false;
    }
    const auto [inode, newSize, newHash, oldSize, oldHash, pathSize] = numbers;
    if (text.size() < pathSize + 2 || text[0] != '\n' || text[pathSize + 1] != '\n')
        return false;
    record.file = std::string(text.substr(1, pathSize));
    text.remove_prefix(pathSize + 2);
    if (text.size() != oldSize || ContentHash(text) != oldHash)
        return false;  // damaged: it restores nothing
    record.inode = static_cast<ino_t>(inode);
    record.newSize = static_cast<off_t>(newSize);
    record.newHash = newHash;
    record.oldBytes = std::string(text);
    return true;
}

// A folder that refuses new files (or a name too long for it): the copy goes
// to the state folder instead.
bool IsClosedFolder(int error)
{
    return error == EACCES || error == EPERM || error == EROFS || error == ENAMETOOLONG;
}

// Creates the missing folders of the path, readable by this user alone.
int CreatePrivateFolders(const fs::path& folder)
{
    fs::path partial;
    for (const fs::path& part : folder) {
        partial /= part;
        if (::mkdir(partial.c_str(), 0700) != 0 && errno != EEXIST)
            return errno;
    }
    return 0;
}

}  // namespace

RecoveryCopy::RecoveryCopy(const RecoveryRecord& record)
{
    const std::string content = Serialize(record);
    path_ = BesideCopyPath(record.file);
    error_ = Keep(path_, content);
    const fs::path state = StateCopyPath(record.file);
    if (!IsClosedFolder(error_) || state.empty())
        return;
    path_ = state;
    if (const int error = CreatePrivateFolders(state.parent_path()))
        error_ = error;
    else
        error_ = Keep(state, content);
}

int RecoveryCopy::Keep(const fs::path& copy, std::string_view content)
{
    file_.emplace(copy.parent_path());
    if (const int error = file_->error())
        return error;
    if (::fchmod(file_->descriptor(), 0600) != 0)
        return errno;
    if (const int error = WriteRegularFile(file_->descriptor(), content))
        return error;
    const int error = file_->Publish(copy, Publication::NeverReplace);
    return error == EEXIST ? EBUSY : error;
}

void RecoveryCopy::Remove()
{
    if (error_ == 0)
        ::unlink(path_.c_str());
    file_.reset();
}

fs::path WritePathOf(const fs::path& file)
{
    std::error_code error;
    fs::path path = fs::weakly_canonical(fs::absolute(file, error), error);
    return error ? fs::absolute(file, error).lexically_normal() : path;
}

fs::path BesideCopyPath(const fs::path& file)
{
    return file.parent_path()
        / (std::string(kBesidePrefix) + file.filename().native() + std::string(kBesideSuffix));
}

fs::path StateCopyPath(const fs::path& file)
{
    const fs::path folder = RecoveryStateFolder();
    if (folder.empty())
        return folder;
    char name[17];
    std::snprintf(
        name, sizeof name, "%016llx", static_cast<unsigned long long>(ContentHash(file.native())));
    return folder / (name + std::string(kStateSuffix));
}

fs::path RecoveryStateFolder()
{
    const fs::path folder = StateFolder();
    return folder.empty() ? folder : folder / "recovery";
}

fs::path FileOfBesideCopy(const fs::path& copy)
{
    const std::string name = copy.filename().native();
    if (name.size() <= kBesidePrefix.size() + kBesideSuffix.size()
        || !name.starts_with(kBesidePrefix) || !name.ends_with(kBesideSuffix))
        return {};
    return copy.parent_path()
        / std::string(name.substr(
            kBesidePrefix.size(), name.size() - kBesidePrefix.size() - kBesideSuffix.size()));
}

int ReadRecoveryCopy(int descriptor, RecoveryRecord& record)
{
    const RegularFileRead read = ReadRegularFile(descriptor, kMaximumProfileBytes + kHeaderRoom);
    if (read.error)
        return read.error == EFBIG ? EINVAL : read.error;
    return Parse(read.bytes, record) ? 0 : EINVAL;
}
