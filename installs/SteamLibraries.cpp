#include "installs/SteamLibraries.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>

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
std::vector<std::filesystem::path> ListedLibraries(const std::filesystem::path& file)
{
    std::vector<std::filesystem::path> libraries;
    std::ifstream stream(file);
    for (std::string text; std::getline(stream, text);) {
        std::string_view line = text;
        const std::optional<std::string> key = NextQuoted(line);
        const std::optional<std::string> value = key ? NextQuoted(line) : std::nullopt;
        if (value && value->starts_with('/') && (*key == "path" || IsNumber(*key)))
            libraries.emplace_back(*value);
    }
    return libraries;
}

}  // namespace

std::vector<std::filesystem::path> SteamLibraries(const std::filesystem::path& home)
{
    std::vector<std::filesystem::path> libraries;
    for (const std::string_view folder : kSteamFolders)
        libraries.push_back(home / folder);
    for (const std::string_view folder : kSteamFolders) {
        for (std::filesystem::path& library : ListedLibraries(home / folder / kLibraryList))
            libraries.push_back(std::move(library));
    }
    return libraries;
}
