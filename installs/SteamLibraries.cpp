#include "installs/SteamLibraries.h"

#include "installs/SearchedFileRead.h"

#include <algorithm>
#include <array>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <system_error>

namespace {

constexpr std::array<std::string_view, 3> kSteamFolders = {
    ".steam/steam",
    ".local/share/Steam",
    ".var/app/com.valvesoftware.Steam/.local/share/Steam",
};
constexpr std::string_view kLibraryList = "steamapps/libraryfolders.vdf";

// The next quoted token with its escapes (\\ and \") undone; none when the
// line has no more.
std::optional<std::string> NextQuoted(std::string_view& line)
{
    const std::size_t open = line.find('"');
    if (open == std::string_view::npos)
        return std::nullopt;
    std::string token;
    for (std::size_t index = open + 1; index < line.size(); ++index) {
        if (line[index] == '"') {
            line.remove_prefix(index + 1);
            return token;
        }
        if (line[index] == '\\' && index + 1 < line.size())
            ++index;
        token += line[index];
    }
    return std::nullopt;
}

bool IsNumber(std::string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char character) {
        return character >= '0' && character <= '9';
    });
}

// "path" "/folder" lines, and the older form "1" "/folder".
void AddListedLibraries(const std::filesystem::path& file, ListedFolders& libraries)
{
    SearchedFileRead read = ReadSearchedFile(file, SearchedFile::SteamLibraryList);
    if (read.skipped)
        libraries.skippedFiles.push_back(std::move(*read.skipped));
    std::string_view text = read.bytes ? *read.bytes : std::string_view();
    while (!text.empty()) {
        std::string_view line = TakeLine(text);
        const std::optional<std::string> key = NextQuoted(line);
        const std::optional<std::string> value = key ? NextQuoted(line) : std::nullopt;
        if (value && value->starts_with('/') && (*key == "path" || IsNumber(*key)))
            libraries.folders.emplace_back(*value);
    }
}

}  // namespace

ListedFolders SteamLibraries(const std::filesystem::path& home)
{
    ListedFolders libraries;
    for (const std::string_view folder : kSteamFolders)
        libraries.folders.push_back(home / folder);
    // ~/.steam/steam is usually a link to one of the others: each list is read once.
    std::set<std::filesystem::path> read;
    for (const std::string_view folder : kSteamFolders) {
        const std::filesystem::path list = home / folder / kLibraryList;
        std::error_code error;
        const std::filesystem::path canonical = std::filesystem::weakly_canonical(list, error);
        if (read.insert(error ? list : canonical).second)
            AddListedLibraries(list, libraries);
    }
    return libraries;
}
