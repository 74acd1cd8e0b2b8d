#pragma once

// Wine prefixes in test folders: drive_c behind the link dosdevices/c:, and
// whatever system.reg a test writes. The names of those files are spelt out
// here, not taken from WinePrefix, so that every test also checks that the
// program looks where Wine keeps them.

#include "installs/WinePrefix.h"
#include "tests/support/TestFolder.h"

#include <optional>
#include <string>
#include <string_view>

enum class Architecture { Win32, Win64 };

// The text of a system.reg as Wine writes it, with the given key sections.
inline std::string WineRegistryText(std::string_view keySections, Architecture architecture)
{
    std::string text = "WINE REGISTRY Version 2\n;; All keys relative to REGISTRY\\\\Machine\n\n";
    if (architecture == Architecture::Win64)
        text += "#arch=win64\n\n";
    return text + std::string(keySections);
}

// A 64-bit system.reg with the game's key (in the 32-bit view) and the
// server's key holding the given GAMEDIR values, each when given.
inline std::string InstallsRegistryText(
    std::optional<std::string_view> serverFolder, std::optional<std::string_view> gameFolder)
{
    const auto key = [](std::string_view path, std::optional<std::string_view> folder) {
        if (!folder)
            return std::string();
        std::string escaped;
        for (const char character : *folder) {
            if (character == '\\' || character == '"')
                escaped += '\\';
            escaped += character;
        }
        return "[" + std::string(path) + "] 1\n\"GAMEDIR\"=\"" + escaped + "\"\n\n";
    };
    return WineRegistryText(
        key("Software\\\\Wow6432Node\\\\EA GAMES\\\\Battlefield Vietnam", gameFolder)
            + key("Software\\\\EA GAMES\\\\Battlefield Vietnam Server", serverFolder),
        Architecture::Win64);
}

// Makes folder a prefix: drive_c, and dosdevices/c: linking to it.
inline void BuildWinePrefix(const std::filesystem::path& folder)
{
    std::filesystem::create_directories(folder / "drive_c");
    std::filesystem::create_directory(folder / "dosdevices");
    std::filesystem::create_directory_symlink("../drive_c", folder / "dosdevices" / "c:");
}

class FakeWinePrefix : public TestFolder {
public:
    FakeWinePrefix() { BuildWinePrefix(path()); }

    WinePrefix prefix() const { return WinePrefix(path()); }
    std::filesystem::path DriveC() const { return path() / "drive_c"; }
    // The host path of a file or folder on drive C as this program reaches it.
    std::filesystem::path ThroughDriveC(const std::filesystem::path& relative = {}) const
    {
        return path() / "dosdevices" / "c:" / relative;
    }

    void WriteRegistry(std::string_view text) const { Write("system.reg", text); }
    void LinkDrive(char letter, const std::filesystem::path& target) const
    {
        std::filesystem::create_directory_symlink(
            target, path() / "dosdevices" / (std::string(1, letter) + ':'));
    }
};
