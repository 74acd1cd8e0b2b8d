#pragma once

// Quavel's own settings: a small INI-style text file, shared by the window and
// quavel-cli, that people also edit by hand. Keys are named "section.name"
// ("installs.game" is name=... under [installs]); a section may appear more
// than once, and the last value given for a key counts. Saving rewrites the
// file whole and atomically and keeps every line it does not change (comments,
// unknown keys and sections such as [server "eu1"]) with its own line end.

#include "installs/InstallProblem.h"
#include "installs/UserEnvironment.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A Wine prefix searched before any other but $WINEPREFIX.
inline constexpr std::string_view kPrefixSetting = "installs.prefix";
// The game's and the server's install folders chosen by hand (host paths).
inline constexpr std::string_view kGameFolderSetting = "installs.game";
inline constexpr std::string_view kServerFolderSetting = "installs.server";
inline constexpr std::array<std::string_view, 3> kSettingKeys
    = {kPrefixSetting, kGameFolderSetting, kServerFolderSetting};

struct SettingsFileRead;

class SettingsFile {
public:
    // $XDG_CONFIG_HOME/quavel/quavel.conf, else ~/.config/quavel/quavel.conf.
    static std::filesystem::path PathFor(const UserEnvironment& environment);
    // A missing file reads as an empty one. It is read as the install search
    // reads its files (see ReadSearchedFile): a FIFO, a file over 1 MiB or a
    // line with a NUL byte is refused, not read in part.
    static SettingsFileRead Load(const std::filesystem::path& path);

    const std::filesystem::path& path() const { return path_; }
    // The last value set for the key, with the spaces around it removed; none
    // when not set.
    std::optional<std::string> Get(std::string_view key) const;
    // Gives the key's last line the value, keeping the spacing before it, and
    // removes its other lines; a key not set yet goes at the end of the last
    // section of its name, as "name = value". False (and nothing changed) for
    // a key without a section or a name, or a value with a line break or a
    // NUL byte.
    bool Set(std::string_view key, std::string_view value);
    // Removes the key from every section of its name; false when it was not set.
    bool Unset(std::string_view key);
    // The same by section and name, for sections such as [server "eu1"]
    // whose names hold a dot or a space.
    std::optional<std::string> Value(std::string_view section, std::string_view name) const;
    bool SetValue(std::string_view section, std::string_view name, std::string_view value);
    bool UnsetValue(std::string_view section, std::string_view name);
    // The names of the sections, each once, in the order they first appear.
    std::vector<std::string> SectionNames() const;
    // Removes every section of that name with its lines; false when there was none.
    bool RemoveSection(std::string_view section);
    // Writes the file, creating its folder; 0 or the errno of the failed step.
    int Save() const;

private:
    explicit SettingsFile(std::filesystem::path path)
        : path_(std::move(path))
    {
    }

    // A new line in the file's own line end: CRLF when its first line has one.
    std::string NewLine(std::string text) const;
    // The lines that set name in the sections of that name, in the file's order.
    std::vector<std::size_t> LinesOf(std::string_view section, std::string_view name) const;
    void EraseLines(const std::vector<std::size_t>& lines);
    // At the end of the last section of that name, a new one when there is none.
    void AddLine(std::string_view section, std::string text);

    std::filesystem::path path_;
    std::vector<std::string> lines_;  // as read, without their LF (a CR before it stays)
};

struct SettingsFileRead {
    std::optional<SettingsFile> settings;  // none when the file exists but cannot be used
    std::optional<SkippedFile> skipped;    // then why
};
