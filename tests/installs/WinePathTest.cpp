#include "installs/WinePath.h"
#include "tests/support/FakeWinePrefix.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace fs = std::filesystem;

TEST(MapWindowsPath, GoesThroughTheDriveLinkAndSpellsWhatExistsAsOnDisk)
{
    const FakeWinePrefix fake;
    for (const char* folder :
        {"Program Files/EA Games", "Spiele/Schlachtfeld \xC3\x84", "Mods", "mods", "MODS"})
        fs::create_directories(fake.DriveC() / folder);
    fake.Write("drive_c/CustomCombat.WST", "");
    fs::create_directory_symlink("missing", fake.DriveC() / "Dangling");
    fs::create_directory(fake / "root");
    fake.LinkDrive('z', fake / "root");
    fake.LinkDrive('y', fake / "missing");

    const std::vector<std::pair<const char*, std::optional<fs::path>>> cases = {
        {"C:\\Games\\BFV", fake.ThroughDriveC("Games/BFV")},
        {"C:/Games/BFV", fake.ThroughDriveC("Games/BFV")},
        {"C:\\Games\\\\BFV\\", fake.ThroughDriveC("Games/BFV")},
        {"C:\\Games\\.\\Old\\..\\BFV", fake.ThroughDriveC("Games/BFV")},
        {"C:\\..\\..\\Games\\BFV", fake.ThroughDriveC("Games/BFV")},
        {"C:", fake / "dosdevices" / "c:"},
        {"z:\\Spiele\\\xC3\x84", fake / "dosdevices/z:/Spiele/\xC3\x84"},
        // Existing components in any case, the rest as written.
        {"C:\\PROGRAM FILES\\ea games\\Battlefield Vietnam\\Mods",
            fake.ThroughDriveC("Program Files/EA Games/Battlefield Vietnam/Mods")},
        {"C:\\spiele\\SCHLACHTFELD \xC3\xA4\\x",
            fake.ThroughDriveC("Spiele/Schlachtfeld \xC3\x84/x")},
        {"C:\\program files\\..\\PROGRAM FILES", fake.ThroughDriveC("Program Files")},
        {"C:\\Mods", fake.ThroughDriveC("Mods")},  // the exact spelling when several match
        {"C:\\MODS", fake.ThroughDriveC("MODS")},
        {"C:\\customcombat.wst", fake.ThroughDriveC("CustomCombat.WST")},  // files and links too
        {"C:\\DANGLING", fake.ThroughDriveC("Dangling")},
        // No drive, or no link to a folder for it.
        {"Q:\\Games", std::nullopt},
        {"Y:\\Games", std::nullopt},
        {"Games\\BFV", std::nullopt},
        {"\\\\server\\share\\BFV", std::nullopt},
        {"", std::nullopt},
        {"C:Games", std::nullopt},
    };
    for (const auto& [windowsPath, expected] : cases)
        EXPECT_EQ(MapWindowsPath(fake.prefix(), windowsPath), expected) << windowsPath;

    const std::optional<fs::path> other = MapWindowsPath(fake.prefix(), "C:\\mODS");
    ASSERT_TRUE(other);
    EXPECT_TRUE(fs::is_directory(*other));
    EXPECT_EQ(fake.Entries("drive_c/Program Files/EA Games"), std::set<std::string>{});
}
