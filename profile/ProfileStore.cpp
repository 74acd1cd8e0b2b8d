#include "profile/ProfileStore.h"

#include "profile/AtomicFile.h"
#include "profile/DefaultDocument.h"
#include "profile/ProfileReader.h"
#include "profile/ProfileWriter.h"
#include "profile/XmlAccess.h"
#include "profile/XmlError.h"

#include <algorithm>
#include <cerrno>
#include <utility>

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
bool ComesBefore(std::string_view a, std::string_view b)
{
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        if (LowerCase(a[i]) != LowerCase(b[i]))
            return LowerCase(a[i]) < LowerCase(b[i]);
    }
    return a.size() != b.size() ? a.size() < b.size() : a < b;
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
    return workingFolder_ / (name + std::string(kExtension));
}

std::optional<Profile> ProfileStore::LoadProfile(const std::string& name)
{
    LoadXmlFile(*document_, ProfilePath(name));
    return ReadProfile(*document_, name, lastError_);
}

int ProfileStore::SaveProfile(const Profile& profile)
{
    return SaveProfileFile(profile) == 0 ? 1 : 0;
}

int ProfileStore::SaveProfileFile(const Profile& profile)
{
    if (!WriteProfile(*document_, profile))
        return EIO;
    try {
        SaveXmlFile(*document_, ProfilePath(profile.name));
    } catch (const XmlError& error) {
        return error.code();
    }
    return 0;
}

std::optional<Profile> ProfileStore::LoadDefaultProfile()
{
    LoadXmlText(*document_, DefaultDocument());
    try {
        SaveXmlFile(*document_, workingFolder_ / kDefaultFileName);
    } catch (const XmlError&) {
        return std::nullopt;
    }
    return BuiltInDefaultProfile();
}

int ProfileStore::ListProfiles(std::vector<std::string>& names) const
{
    names.clear();
    std::error_code error;
    std::filesystem::directory_iterator entry(workingFolder_, error);
    if (error) {
        names.emplace_back("<directory error>");
        return -1;
    }
    bool anyMatched = false;
    for (; entry != std::filesystem::directory_iterator(); entry.increment(error)) {
        const std::string fileName = entry->path().filename().string();
        std::error_code unreadable;  // a dangling link, say: not a profile, not a failure
        if (!HasProfileExtension(fileName) || !entry->is_regular_file(unreadable))
            continue;
        anyMatched = true;
        if (fileName != kDefaultFileName)
            names.push_back(fileName.substr(0, fileName.size() - kExtension.size()));
    }
    std::sort(names.begin(), names.end(), ComesBefore);
    if (error) {
        names.emplace_back("<Unknown file error>");
        return -1;
    }
    if (!anyMatched) {
        names.emplace_back("<no .wst files found>");
        return 0;
    }
    return static_cast<int>(names.size());
}

bool ProfileStore::CreateProfileFile(const std::string& name) const
{
    std::string bytes;
    return IsSafeProfileName(name) && ReadFileBytes(workingFolder_ / kDefaultFileName, bytes) == 0
        && WriteNewFile(ProfilePath(name), bytes) == 0;
}

int ProfileStore::ExportProfile(const Profile& profile, const std::filesystem::path& destination)
{
    if (int error = SaveProfileFile(profile))
        return error;
    const std::filesystem::path source = ProfilePath(profile.name);
    if (IsSameFile(source, destination))
        return 0;
    std::string bytes;
    if (int error = ReadFileBytes(source, bytes))
        return error;
    return WriteFileAtomically(destination, bytes);
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
