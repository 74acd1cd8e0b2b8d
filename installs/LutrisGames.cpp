#include "installs/LutrisGames.h"

#include "installs/SearchedFileRead.h"

#include <yaml-cpp/yaml.h>

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace {

constexpr std::array<std::string_view, 2> kGameFileFolders
    = {".config/lutris/games", ".local/share/lutris/games"};

// game.prefix as text; none when the document has no such text. Throws
// YAML::Exception when the bytes are not YAML.
std::optional<std::string> PrefixText(const std::string& bytes)
{
    // Const nodes: subscripting a non-const one would add the key.
    const YAML::Node document = YAML::Load(bytes);
    if (!document.IsMap())
        return std::nullopt;
    const YAML::Node game = document["game"];
    if (!game.IsMap())
        return std::nullopt;
    const YAML::Node prefix = game["prefix"];
    if (!prefix.IsScalar() || prefix.Scalar().empty())
        return std::nullopt;
    return prefix.Scalar();
}

SkippedFile NotYaml(const std::filesystem::path& file, const YAML::Exception& error)
{
    // Marks count from 0, and a mark that says nothing holds -1.
    const auto fromOne = [](int number) { return static_cast<std::size_t>(number + 1); };
    return {SearchedFile::LutrisGame, file,
        YamlErrorReason(fromOne(error.mark.line), fromOne(error.mark.column), error.msg)};
}

void AddGamePrefix(
    const std::filesystem::path& file, const std::filesystem::path& home, ListedFolders& prefixes)
{
    SearchedFileRead read = ReadSearchedFile(file, SearchedFile::LutrisGame);
    if (read.skipped)
        prefixes.skippedFiles.push_back(std::move(*read.skipped));
    if (!read.bytes)
        return;
    std::optional<std::string> prefix;
    try {
        prefix = PrefixText(*read.bytes);
    } catch (const YAML::Exception& error) {
        prefixes.skippedFiles.push_back(NotYaml(file, error));
        return;
    }
    if (!prefix)
        return;
    if (prefix->starts_with("~/"))
        prefixes.folders.push_back(home / prefix->substr(2));
    else
        prefixes.folders.emplace_back(std::move(*prefix));
}

}  // namespace

ListedFolders LutrisGamePrefixes(const std::filesystem::path& home)
{
    ListedFolders prefixes;
    for (const std::string_view folder : kGameFileFolders) {
        for (const std::filesystem::path& file : SortedEntries(home / folder)) {
            if (file.extension() == ".yml")
                AddGamePrefix(file, home, prefixes);
        }
    }
    return prefixes;
}
