#include "installs/WinePath.h"

#include "installs/UnicodeText.h"

#include <string>
#include <system_error>
#include <vector>

namespace {

bool IsSeparator(char character)
{
    return character == '\\' || character == '/';
}

bool IsAsciiLetter(char character)
{
    return (character >= 'a' && character <= 'z') || (character >= 'A' && character <= 'Z');
}

bool StartsWithDrive(std::string_view windowsPath)
{
    return windowsPath.size() >= 2 && IsAsciiLetter(windowsPath[0]) && windowsPath[1] == ':'
        && (windowsPath.size() == 2 || IsSeparator(windowsPath[2]));
}

std::vector<std::string_view> Components(std::string_view path)
{
    std::vector<std::string_view> components;
    std::size_t start = 0;
    for (std::size_t index = 0; index <= path.size(); ++index) {
        if (index < path.size() && !IsSeparator(path[index]))
            continue;
        if (index > start)
            components.push_back(path.substr(start, index - start));
        start = index + 1;
    }
    return components;
}

// The name of folder's entry that matches name: name itself when it exists,
// else the first entry equal to it ignoring case, else name as written.
std::string SpellingOnDisk(const std::filesystem::path& folder, std::string_view name)
{
    std::error_code error;
    if (std::filesystem::exists(std::filesystem::symlink_status(folder / name, error)))
        return std::string(name);
    const std::string folded = FoldCase(name);
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        std::string entryName = entry->path().filename().string();
        if (FoldCase(entryName) == folded)
            return entryName;
    }
    return std::string(name);
}

}  // namespace

std::filesystem::path FollowPathIgnoringCase(
    const std::filesystem::path& folder, std::string_view relativePath)
{
    std::filesystem::path hostPath = folder;
    int depth = 0;
    for (const std::string_view component : Components(relativePath)) {
        if (component == ".")
            continue;
        if (component == "..") {
            if (depth > 0) {
                hostPath = hostPath.parent_path();
                --depth;
            }
            continue;
        }
        hostPath /= SpellingOnDisk(hostPath, component);
        ++depth;
    }
    return hostPath;
}

std::optional<std::filesystem::path> MapWindowsPath(
    const WinePrefix& prefix, std::string_view windowsPath)
{
    if (!StartsWithDrive(windowsPath))
        return std::nullopt;
    const std::filesystem::path drive = prefix.DriveLink(windowsPath[0]);
    std::error_code error;
    if (!std::filesystem::is_directory(drive, error))  // a dangling link is no drive either
        return std::nullopt;
    return FollowPathIgnoringCase(drive, windowsPath.substr(2));
}
