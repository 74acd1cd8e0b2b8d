#pragma once

#include "TemporaryFolder.h"

#include <filesystem>
#include <string>
#include <string_view>

// A Wine prefix in a temporary folder: drive_c behind the link dosdevices/c:,
// and a system.reg in Wine's own text format.
class FakeWinePrefix {
public:
    FakeWinePrefix();

    const std::filesystem::path& path() const { return folder_.path(); }
    std::filesystem::path DriveC() const { return path() / "drive_c"; }
    // The host path by which the tool reaches a folder on drive C.
    std::filesystem::path OnDriveC(std::string_view relative) const;

    // A registry holding the given key sections after Wine's header.
    void WriteRegistry(std::string_view keySections) const;
    // A registry where the server and the game have these GAMEDIR values (REG_SZ);
    // an empty value leaves that install out.
    void WriteGameDirs(std::string_view serverFolder, std::string_view gameFolder) const;

private:
    TemporaryFolder folder_;
};

// A key section of system.reg with one value line, backslashes escaped as Wine
// writes them.
std::string RegistryKey(std::string_view keyPath, std::string_view valueLine);
// "GAMEDIR"="C:\\Games" for the folder C:\Games.
std::string GameDirLine(std::string_view windowsFolder);

inline constexpr std::string_view kServerKey = "Software\\EA GAMES\\Battlefield Vietnam Server";
inline constexpr std::string_view kGameKey = "Software\\EA GAMES\\Battlefield Vietnam";
inline constexpr std::string_view kSettingsPath = "Mods/bfvietnam/save/GameModeSettings";
