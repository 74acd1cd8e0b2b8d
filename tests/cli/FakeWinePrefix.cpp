#include "FakeWinePrefix.h"

namespace {

std::string EscapeBackslashes(std::string_view text)
{
    std::string escaped;
    for (const char character : text) {
        if (character == '\\')
            escaped += '\\';
        escaped += character;
    }
    return escaped;
}

}  // namespace

FakeWinePrefix::FakeWinePrefix()
{
    std::filesystem::create_directories(path() / "dosdevices");
    std::filesystem::create_directory(DriveC());
    std::filesystem::create_directory_symlink("../drive_c", path() / "dosdevices" / "c:");
}

std::filesystem::path FakeWinePrefix::OnDriveC(std::string_view relative) const
{
    return path() / "dosdevices" / "c:" / relative;
}

void FakeWinePrefix::WriteRegistry(std::string_view keySections) const
{
    folder_.Write("system.reg",
        "WINE REGISTRY Version 2\n;; All keys relative to REGISTRY\\\\Machine\n\n#arch=win32\n\n"
            + std::string(keySections));
}

void FakeWinePrefix::WriteGameDirs(std::string_view serverFolder, std::string_view gameFolder) const
{
    std::string sections;
    if (!serverFolder.empty())
        sections += RegistryKey(kServerKey, GameDirLine(serverFolder));
    if (!gameFolder.empty())
        sections += RegistryKey(kGameKey, GameDirLine(gameFolder));
    WriteRegistry(sections);
}

std::string RegistryKey(std::string_view keyPath, std::string_view valueLine)
{
    return "[" + EscapeBackslashes(keyPath) + "] 1700000000\n#time=1d9e0d3f2a1b2c3\n"
        + std::string(valueLine) + "\n\n";
}

std::string GameDirLine(std::string_view windowsFolder)
{
    return "\"GAMEDIR\"=\"" + EscapeBackslashes(windowsFolder) + "\"";
}
