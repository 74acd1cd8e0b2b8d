#pragma once

// Quavel's own settings: a small INI-style text file, shared by the window and
// quavel-cli. Keys are named "section.name" ("installs.game" is name=... under
// [installs]). Saving rewrites the file whole and atomically and keeps every
// line it does not change, comments and unknown keys included.

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

class SettingsFile {
public:
    // $XDG_CONFIG_HOME/quavel/quavel.conf, else ~/.config/quavel/quavel.conf.
    static std::filesystem::path PathFor(const UserEnvironment& environment);
    // A missing file reads as an empty one; none when it exists but cannot be read.
    static std::optional<SettingsFile> Load(const std::filesystem::path& path);

    const std::filesystem::path& path() const { return path_; }
    // The value with the spaces around it removed; none when not set.
    std::optional<std::string> Get(std::string_view key) const;
    // False (and nothing changed) for a key without a section or a name, or a
    // value with a line break.
    bool Set(std::string_view key, std::string_view value);
    // False when the key was not set.
    bool Unset(std::string_view key);
    // Writes the file, creating its folder; 0 or the errno of the failed step.
    int Save() const;

private:
    explicit SettingsFile(std::filesystem::path path)
        : path_(std::move(path))
    {
    }

    std::filesystem::path path_;
    std::vector<std::string> lines_;  // as read, without their line ends
};
