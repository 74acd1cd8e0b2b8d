#pragma once

// Finds an install of the game or of its dedicated server in a Wine prefix and
// prepares its settings folder, where a published profile is copied to. The
// window and the command-line tool both start here; neither shows anything
// from this file, they decide what to report with IsReportedCreateError.

#include "installs/WinePrefix.h"

#include <filesystem>
#include <string>
#include <string_view>

// Appended to the install folder as it is, with no separator added or removed.
inline constexpr std::string_view kSettingsSubfolder = "\\Mods\\bfvietnam\\save\\GameModeSettings";
inline constexpr std::string_view kPublishFileName = "CustomCombat.wst";

enum class FolderCreation { Create, LookOnly };

struct InstallLocation {
    bool found = false;         // the key held a usable GAMEDIR, or a folder was chosen
    std::string windowsFolder;  // GAMEDIR as read; empty for a chosen folder
    // Host paths; empty when not found or when the prefix has no link for the
    // folder's drive. Existing folders and files keep their spelling on disk.
    std::filesystem::path folder;  // the install folder
    std::filesystem::path settingsFolder;
    std::filesystem::path publishPath;
    // errno of creating the settings folder; 0 when it exists or was created.
    int createError = 0;

    // The settings folder as a message shows it: the host path, or the
    // Windows path when it could not be mapped to one.
    std::string SettingsFolderText() const;
};

// Reads keyPath's GAMEDIR; when found, maps its settings folder into the
// prefix and creates it with every missing parent. A drive without a link
// counts as a missing path (ENOENT).
InstallLocation FindInstall(const WinePrefix& prefix, std::string_view keyPath);

// The install at windowsFolder (a GAMEDIR) of prefix, its settings folder
// created only when asked.
InstallLocation InstallInPrefix(
    const WinePrefix& prefix, std::string windowsFolder, FolderCreation creation);
// An install folder chosen by hand, native or in any prefix: no registry is read.
InstallLocation InstallInFolder(const std::filesystem::path& folder, FolderCreation creation);
// Finds the settings folder below install.folder (existing folders matched
// ignoring case), creates it when asked, and sets the publish path.
void PlaceSettingsFolder(InstallLocation& install, FolderCreation creation);

// The creation failures the user is told about: the path is bad or a part of
// it is missing. Every other failure passes silently; publishing there fails
// later with its own message.
bool IsReportedCreateError(int errorCode);
