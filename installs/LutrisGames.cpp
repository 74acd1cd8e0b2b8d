#include "installs/LutrisGames.h"

#include "installs/SearchedFileRead.h"
#include "installs/YamlLibrary.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

// Lutris before 0.5.13 kept them with its configuration, later ones with its
// data; the Flatpak keeps both under its own folder.
constexpr std::array<std::string_view, 4> kGameFileFolders = {".config/lutris/games",
    ".local/share/lutris/games", ".var/app/net.lutris.Lutris/config/lutris/games",
    ".var/app/net.lutris.Lutris/data/lutris/games"};

// What a game file holds: game.prefix as text (none when the document has
// no such text), or why its bytes are not YAML.
struct GameFileReading {
    std::optional<std::string> prefix;
    std::optional<std::string> problem;
};

// A mapping or sequence open while the document is read, and where it sits.
struct Level {
    bool mapping = false;
    bool expectingKey = true;  // of a mapping: the next node is a key
    std::string key;           // of a mapping: the key whose value comes now
    std::string path;          // the keys from the document down to it: "/game"
};

std::string ChildPath(const std::vector<Level>& levels)
{
    if (levels.empty())
        return {};
    return levels.back().path + '/' + (levels.back().mapping ? levels.back().key : "-");
}

// A value has ended: its mapping waits for the next key.
void ValueDone(std::vector<Level>& levels)
{
    if (!levels.empty() && levels.back().mapping)
        levels.back().expectingKey = true;
}

bool IsGamePrefix(const std::vector<Level>& levels)
{
    return levels.size() == 2 && levels[1].path == "/game" && levels[1].mapping
        && levels[1].key == "prefix";
}

std::string_view ScalarText(const yaml_event_t& event)
{
    return {reinterpret_cast<const char*>(event.data.scalar.value), event.data.scalar.length};
}

// A plain ~ or null is no text, in YAML's core schema.
bool IsText(const yaml_event_t& event)
{
    const std::string_view value = ScalarText(event);
    const bool plain = event.data.scalar.style == YAML_PLAIN_SCALAR_STYLE;
    return !value.empty()
        && !(plain && (value == "~" || value == "null" || value == "Null" || value == "NULL"));
}

// Follows one event of the document: where it is, and game.prefix when it comes.
void Follow(const yaml_event_t& event, std::vector<Level>& levels, GameFileReading& reading)
{
    switch (event.type) {
    case YAML_MAPPING_START_EVENT:
    case YAML_SEQUENCE_START_EVENT:
        levels.push_back({event.type == YAML_MAPPING_START_EVENT, true, {}, ChildPath(levels)});
        return;
    case YAML_MAPPING_END_EVENT:
    case YAML_SEQUENCE_END_EVENT:
        levels.pop_back();
        ValueDone(levels);
        return;
    case YAML_SCALAR_EVENT:
    case YAML_ALIAS_EVENT:
        break;
    default:
        return;
    }
    const bool scalar = event.type == YAML_SCALAR_EVENT;
    if (!levels.empty() && levels.back().mapping && levels.back().expectingKey) {
        if (scalar)
            levels.back().key = ScalarText(event);
        levels.back().expectingKey = false;
        return;
    }
    if (scalar && IsGamePrefix(levels) && IsText(event))
        reading.prefix = ScalarText(event);
    ValueDone(levels);
}

class Parser {
public:
    Parser(const YamlLibrary& yaml, const std::string& bytes)
        : yaml_(yaml)
    {
        yaml_.parserInitialize(&parser_);
        yaml_.parserSetInputString(
            &parser_, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
    }
    ~Parser() { yaml_.parserDelete(&parser_); }
    Parser(const Parser&) = delete;
    Parser& operator=(const Parser&) = delete;

    // The first document, as Lutris writes one per file.
    GameFileReading Read()
    {
        GameFileReading reading;
        std::vector<Level> levels;
        for (;;) {
            yaml_event_t event;
            if (yaml_.parserParse(&parser_, &event) == 0)
                return {std::nullopt, Problem()};
            const yaml_event_type_t type = event.type;
            Follow(event, levels, reading);
            yaml_.eventDelete(&event);
            if (type == YAML_DOCUMENT_END_EVENT || type == YAML_STREAM_END_EVENT)
                return reading;
        }
    }

private:
    std::string Problem() const
    {
        // Marks count from 0.
        return YamlErrorReason(parser_.problem_mark.line + 1, parser_.problem_mark.column + 1,
            parser_.problem != nullptr ? parser_.problem : "");
    }

    const YamlLibrary& yaml_;
    yaml_parser_t parser_{};
};

GameFileReading ReadGameFile(const std::string& bytes)
{
    std::string problem;
    const YamlLibrary* yaml = YamlLibrary::Load(problem);
    if (yaml == nullptr)
        return {std::nullopt, problem};
    return Parser(*yaml, bytes).Read();
}

void AddGamePrefix(
    const std::filesystem::path& file, const std::filesystem::path& home, ListedFolders& prefixes)
{
    SearchedFileRead read = ReadSearchedFile(file, SearchedFile::LutrisGame);
    if (read.skipped)
        prefixes.skippedFiles.push_back(std::move(*read.skipped));
    if (!read.bytes)
        return;
    GameFileReading reading = ReadGameFile(*read.bytes);
    if (reading.problem)
        prefixes.skippedFiles.push_back({SearchedFile::LutrisGame, file, *reading.problem});
    std::optional<std::string>& prefix = reading.prefix;
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
