#pragma once

// Paths as the transports write them: components separated by '/', a leading
// '/' for an absolute path, none for one relative to the home folder (where
// "" is the home folder itself). The same text serves SFTP, FTP and local
// folders.

#include <string>
#include <string_view>
#include <vector>

// The non-empty components other than ".".
std::vector<std::string> PathComponents(std::string_view path);
// folder/name, without doubling or adding a leading '/'.
std::string JoinPath(std::string_view folder, std::string_view name);
// The path as messages show it: a home-relative one starts "~/".
std::string DisplayPath(std::string_view path);
// Mods, bfvietnam, save, GameModeSettings.
const std::vector<std::string>& SettingsFolderComponents();
// Whether the path's last components are the settings folder's, in any letter case.
bool EndsWithSettingsFolder(std::string_view path);
