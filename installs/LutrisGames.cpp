#include "installs/LutrisGames.h"

#include "installs/FolderListing.h"

#include <array>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>

namespace {

constexpr std::array<std::string_view, 2> kGameFileFolders
    = {".config/lutris/games", ".local/share/lutris/games"};

std::string_view Trimmed(std::string_view text)
{
    const std::size_t start = text.find_first_not_of(" \t\r");
    if (start == std::string_view::npos)
        return {};
    return text.substr(start, text.find_last_not_of(" \t\r") - start + 1);
}

std::string_view Unquoted(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'')
        && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

// "prefix:" indented under the top-level "game:" line.
std::optional<std::filesystem::path> GamePrefix(
    const std::filesystem::path& file, const std::filesystem::path& home)
{
    std::ifstream stream(file);
    bool inGameSection = false;
    for (std::string line; std::getline(stream, line);) {
        const bool indented = line.starts_with(' ') || line.starts_with('\t');
        if (!indented && !Trimmed(line).empty() && !line.starts_with('#')) {
            inGameSection = Trimmed(line) == "game:";
            continue;
        }
        const std::string_view entry = Trimmed(line);
        if (!inGameSection || !entry.starts_with("prefix:"))
            continue;
        const std::string_view value = Unquoted(Trimmed(entry.substr(7)));
        if (value.empty())
            return std::nullopt;
        if (value.starts_with("~/"))
            return home / value.substr(2);
        return std::filesystem::path(value);
    }
    return std::nullopt;
}

}  // namespace

std::vector<std::filesystem::path> LutrisGamePrefixes(const std::filesystem::path& home)
{
    std::vector<std::filesystem::path> prefixes;
    for (const std::string_view folder : kGameFileFolders) {
        for (const std::filesystem::path& file : SortedEntries(home / folder)) {
            if (file.extension() != ".yml")
                continue;
            if (std::optional<std::filesystem::path> prefix = GamePrefix(file, home))
                prefixes.push_back(std::move(*prefix));
        }
    }
    return prefixes;
}
