#include "profile/ProfileStore.h"

#include "profile/AtomicFile.h"
#include "profile/DefaultDocument.h"
#include "profile/InterruptedWrites.h"
#include "profile/ProfileReader.h"
#include "profile/ProfileWriter.h"
#include "profile/RegularFile.h"
#include "profile/XmlAccess.h"
#include "profile/XmlDocument.h"
#include "text/Formatted.h"
#include "text/Translated.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <system_error>
#include <utility>

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kExtension = ".wst";
constexpr std::string_view kDefaultFileName = "Default.wst";

// ASCII only, as the game's names are: the C library's tolower is a call per
// character, and sorting 10,000 names makes millions of them.
constexpr char LowerCase(char character)
{
    return character >= 'A' && character <= 'Z' ? static_cast<char>(character - 'A' + 'a')
                                                : character;
}

bool HasProfileExtension(std::string_view fileName)
{
    if (fileName.size() <= kExtension.size())
        return false;  // ".wst" alone would be a profile without a name
    const std::string_view ending = fileName.substr(fileName.size() - kExtension.size());
    return std::equal(ending.begin(), ending.end(), kExtension.begin(),
        [](char a, char b) { return LowerCase(a) == b; });
}

// Ignoring case, then by bytes, so that "a" and "A" still come in a fixed order.
// Bytes count from 0 to 255, as ls sorts in the C locale: names with letters
// beyond ASCII ("Été") come after the ASCII ones.
bool ComesBefore(std::string_view a, std::string_view b)
{
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const auto left = static_cast<unsigned char>(LowerCase(a[i]));
        const auto right = static_cast<unsigned char>(LowerCase(b[i]));
        if (left != right)
            return left < right;
    }
    return a.size() != b.size() ? a.size() < b.size() : a < b;
}

// What kept a profile's file from being read, for lastError.
// Without the file's name, which whoever shows the reason knows.
std::string ReadFailure(const RegularFileRead& file)
{
    switch (file.error) {
    case EFBIG:
        return Formatted(
            TranslatedCount("The file is %1$s byte, more than a profile may have (%2$s)",
                "The file is %1$s bytes, more than a profile may have (%2$s)",
                static_cast<unsigned long>(file.stamp.size)),
            {std::to_string(file.stamp.size), std::to_string(kMaximumProfileBytes)});
    case EINVAL:
        return Translated("Not a regular file");
    default:
        return std::generic_category().message(file.error);
    }
}

bool IsSameFile(const std::filesystem::path& a, const std::filesystem::path& b)
{
    std::error_code error;
    return std::filesystem::equivalent(a, b, error);
}

}  // namespace

ProfileStore::ProfileStore(std::filesystem::path workingFolder)
    : workingFolder_(std::move(workingFolder))
    , document_(CreateXmlDocument())
{
}

ProfileStore::~ProfileStore() = default;

std::filesystem::path ProfileStore::ProfilePath(const std::string& name) const
{
    const fs::path exact = workingFolder_ / (name + std::string(kExtension));
    std::error_code error;
    if (fs::exists(fs::symlink_status(exact, error)))
        return exact;
    for (auto entry = fs::directory_iterator(workingFolder_, error);
         !error && entry != fs::directory_iterator(); entry.increment(error)) {
        const std::string fileName = entry->path().filename().string();
        if (fileName.size() == name.size() + kExtension.size() && fileName.starts_with(name)
            && HasProfileExtension(fileName))
            return entry->path();
    }
    return exact;
}

std::optional<Profile> ProfileStore::LoadProfile(const std::string& name)
{
    return LoadFile(name, ProfilePath(name));
}

std::optional<Profile> ProfileStore::LoadProfile(const ProfileEntry& entry)
{
    return LoadFile(entry.name, workingFolder_ / entry.fileName);
}

std::optional<Profile> ProfileStore::LoadFile(const std::string& name, const fs::path& path)
{
    RecoverInterruptedWrites(path);  // a failure shows in the read that follows
    RegularFileRead file = ReadRegularFile(path, kMaximumProfileBytes);
    held_ = {name, path, std::nullopt};
    if (file.error) {
        document_->Clear();
        builtInUnparsed_ = false;
        lastError_ = ReadFailure(file);
        lastErrorCode_ = file.error;
        lastErrorDetail_.clear();
        return std::nullopt;
    }
    held_.stamp = file.stamp;
    return ReadDocument(name, file.bytes);
}

std::optional<Profile> ProfileStore::ReadProfileText(
    const std::string& name, std::string_view bytes)
{
    held_ = {name, {}, std::nullopt};
    return ReadDocument(name, bytes);
}

std::optional<Profile> ProfileStore::ReadDocument(const std::string& name, std::string_view bytes)
{
    LoadXmlText(*document_, bytes);
    builtInUnparsed_ = false;
    std::optional<Profile> profile = ReadProfile(*document_, name, lastError_);
    if (!profile) {
        lastErrorCode_ = 0;
        lastErrorDetail_ = document_->parseProblem();
    }
    return profile;
}

int ProfileStore::SaveProfile(const Profile& profile)
{
    return SaveProfileFile(profile) == 0 ? 1 : 0;
}

fs::path ProfileStore::TargetOf(const Profile& profile) const
{
    return profile.name == held_.name ? held_.path : ProfilePath(profile.name);
}

int ProfileStore::SaveProfileFile(const Profile& profile)
{
    std::string missing;
    if (!WriteProfile(HeldDocument(), profile, missing)) {
        saveProblem_ = std::move(missing);
        return EBADMSG;
    }
    return SaveDocument(profile.name, TargetOf(profile));
}

int ProfileStore::SaveDocument(const std::string& name, const fs::path& path)
{
    saveProblem_.clear();
    const std::string bytes = HeldDocument().Serialize();
    // A file the next load would refuse is no save: the old one stays.
    if (bytes.size() > kMaximumProfileBytes) {
        saveProblem_ = Formatted(
            TranslatedCount("The file would be %1$s byte, more than a profile may have (%2$s)",
                "The file would be %1$s bytes, more than a profile may have (%2$s)", bytes.size()),
            {std::to_string(bytes.size()), std::to_string(kMaximumProfileBytes)});
        return EFBIG;
    }
    if (int error = WriteFileAtomically(path, bytes))
        return error;
    struct stat status { };
    held_ = {name, path, std::nullopt};
    if (::stat(path.c_str(), &status) == 0)
        held_.stamp = MakeFileStamp(status, bytes);
    return 0;
}

XmlDocument& ProfileStore::HeldDocument()
{
    if (builtInUnparsed_)
        LoadXmlText(*document_, DefaultDocument());
    builtInUnparsed_ = false;
    return *document_;
}

int ProfileStore::WriteDefaultFile()
{
    builtInUnparsed_ = true;  // parsed only if it is written
    const fs::path path = workingFolder_ / kDefaultFileName;
    // Rewriting a Default.wst that holds the built-in document already would
    // change nothing but cost a flush at every start; one that could not be
    // written is still found out.
    const RegularFileRead existing = ReadRegularFile(path, kMaximumProfileBytes);
    struct stat status { };
    if (existing.error == 0 && existing.bytes == DefaultDocument()
        && ::stat(path.c_str(), &status) == 0 && (status.st_mode & 0222) != 0
        && ::access(path.c_str(), W_OK) == 0) {
        held_ = {kDefaultProfileName, path, existing.stamp};
        saveProblem_.clear();
        return 0;
    }
    return SaveDocument(kDefaultProfileName, path);
}

std::optional<Profile> ProfileStore::LoadDefaultProfile()
{
    if (WriteDefaultFile() != 0)
        return std::nullopt;
    return BuiltInDefaultProfile();
}

bool ProfileStore::ChangedOnDisk(const Profile& profile) const
{
    const fs::path path = TargetOf(profile);
    const RegularFileRead disk = ReadRegularFile(path, kMaximumProfileBytes);
    if (path == held_.path && held_.stamp)
        return disk.error != 0 || disk.stamp != *held_.stamp;
    return disk.error != ENOENT;
}

std::optional<FileStamp> ProfileStore::StampOnDisk(const Profile& profile) const
{
    const RegularFileRead disk = ReadRegularFile(TargetOf(profile), kMaximumProfileBytes);
    if (disk.error)
        return std::nullopt;
    return disk.stamp;
}

ProfileStore::Listing ProfileStore::ListProfileFiles(std::vector<ProfileEntry>& entries) const
{
    entries.clear();
    RecoverInterruptedWrites(workingFolder_);  // so that no half-written profile is listed
    std::error_code error;
    std::filesystem::directory_iterator entry(workingFolder_, error);
    if (error)
        return Listing::FolderUnreadable;
    bool anyMatched = false;
    for (; entry != std::filesystem::directory_iterator(); entry.increment(error)) {
        const std::string fileName = entry->path().filename().string();
        std::error_code unreadable;  // a dangling link, say: not a profile, not a failure
        if (!HasProfileExtension(fileName) || !entry->is_regular_file(unreadable))
            continue;
        anyMatched = true;
        // Only the built-in profile's own file: default.wst or Default.WST is a profile.
        if (fileName != kDefaultFileName)
            entries.push_back({fileName.substr(0, fileName.size() - kExtension.size()), fileName});
    }
    std::sort(entries.begin(), entries.end(),
        [](const ProfileEntry& a, const ProfileEntry& b) { return ComesBefore(a.name, b.name); });
    if (error)
        return Listing::ReadingFailed;
    return anyMatched ? Listing::Listed : Listing::NoFileMatched;
}

int ProfileStore::ListProfiles(std::vector<ProfileEntry>& entries) const
{
    const Listing listing = ListProfileFiles(entries);
    return listing == Listing::FolderUnreadable || listing == Listing::ReadingFailed
        ? -1
        : static_cast<int>(entries.size());
}

int ProfileStore::ListProfiles(std::vector<std::string>& names) const
{
    std::vector<ProfileEntry> entries;
    const Listing listing = ListProfileFiles(entries);
    names.clear();
    for (ProfileEntry& entry : entries)
        names.push_back(std::move(entry.name));
    switch (listing) {
    case Listing::FolderUnreadable:
        names.emplace_back("<directory error>");
        return -1;
    case Listing::ReadingFailed:
        names.emplace_back("<Unknown file error>");
        return -1;
    case Listing::NoFileMatched:
        names.emplace_back("<no .wst files found>");
        return 0;
    case Listing::Listed:
        break;
    }
    return static_cast<int>(names.size());
}

int ProfileStore::NewProfileFile(const std::string& name) const
{
    if (!IsSafeProfileName(name))
        return EINVAL;
    std::string bytes;
    if (int error = ReadFileBytes(ProfilePath(kDefaultProfileName), bytes))
        return error;
    return WriteNewFile(ProfilePath(name), bytes);
}

int ProfileStore::ExportProfile(const Profile& profile, const std::filesystem::path& destination)
{
    std::string bytes;
    if (int error = SavedBytes(profile, bytes))
        return error;
    if (IsSameFile(TargetOf(profile), destination))
        return 0;
    return WriteFileAtomically(destination, bytes);
}

int ProfileStore::SavedBytes(const Profile& profile, std::string& bytes)
{
    if (int error = SaveProfileFile(profile))
        return error;
    return ReadFileBytes(TargetOf(profile), bytes);
}

bool IsSafeProfileName(const std::string& name)
{
    if (name.empty() || name == "." || name == "..")
        return false;
    return std::none_of(name.begin(), name.end(), [](char character) {
        const auto byte = static_cast<unsigned char>(character);
        return character == '/' || character == '\\' || byte < 0x20 || byte == 0x7F;
    });
}
