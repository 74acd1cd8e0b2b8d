#include "installs/WinePath.h"
#include "FakePrefix.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace {

std::vector<std::string> EntryNames(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    return names;
}

}  // namespace

TEST(MapWindowsPath, GoesThroughTheDriveLinks)
{
    const FakePrefix fake;
    const TemporaryFolder root;
    fake.LinkDrive('z', root.folder());
    const std::filesystem::path driveC = fake.folder() / "dosdevices" / "c:";
    const std::filesystem::path driveZ = fake.folder() / "dosdevices" / "z:";
    const std::vector<std::pair<const char*, std::filesystem::path>> cases = {
        {"C:\\Games\\BFV", driveC / "Games" / "BFV"},
        {"c:\\Games\\BFV", driveC / "Games" / "BFV"},
        {"C:/Games/BFV", driveC / "Games" / "BFV"},
        {"C:\\Games\\\\BFV\\", driveC / "Games" / "BFV"},
        {"C:\\Games\\.\\Old\\..\\BFV", driveC / "Games" / "BFV"},
        {"C:\\..\\..\\Games\\BFV", driveC / "Games" / "BFV"},
        {"C:\\", driveC},
        {"C:", driveC},
        {"Z:\\tmp\\Battlefield Vietnam", driveZ / "tmp" / "Battlefield Vietnam"},
        {"z:\\Spiele\\\xC3\x84", driveZ / "Spiele" / "\xC3\x84"},
    };
    for (const auto& [windowsPath, expected] : cases)
        EXPECT_EQ(MapWindowsPath(fake.prefix(), windowsPath), expected) << windowsPath;
}

TEST(MapWindowsPath, RefusesPathsWithoutALinkedDrive)
{
    const FakePrefix fake;
    fake.LinkDrive('y', fake.folder() / "missing");
    for (const char* windowsPath : {"Q:\\Games", "Y:\\Games", "Games\\BFV", "\\Games\\BFV",
             "\\\\server\\share\\BFV", "", "C", "C:Games", "1:\\Games", "CC:\\Games"})
        EXPECT_EQ(MapWindowsPath(fake.prefix(), windowsPath), std::nullopt) << windowsPath;
}

TEST(MapWindowsPath, SpellsExistingFoldersAsOnDisk)
{
    const FakePrefix fake;
    std::filesystem::create_directories(fake.DriveC() / "Program Files" / "EA Games");
    std::filesystem::create_directories(fake.DriveC() / "Spiele" / "Schlachtfeld \xC3\x84");
    const std::vector<std::pair<const char*, std::filesystem::path>> cases = {
        {"C:\\PROGRAM FILES\\ea games\\Battlefield Vietnam\\Mods",
            fake.ThroughDriveC("Program Files/EA Games/Battlefield Vietnam/Mods")},
        {"C:\\spiele\\SCHLACHTFELD \xC3\xA4\\x",
            fake.ThroughDriveC("Spiele/Schlachtfeld \xC3\x84/x")},
        {"C:\\program files\\..\\PROGRAM FILES", fake.ThroughDriveC("Program Files")},
    };
    for (const auto& [windowsPath, expected] : cases)
        EXPECT_EQ(MapWindowsPath(fake.prefix(), windowsPath), expected) << windowsPath;
    EXPECT_EQ(EntryNames(fake.DriveC() / "Program Files" / "EA Games"), std::vector<std::string>{});
}

TEST(MapWindowsPath, PrefersTheExactSpellingWhenSeveralMatch)
{
    const FakePrefix fake;
    for (const char* name : {"Mods", "mods", "MODS"})
        std::filesystem::create_directory(fake.DriveC() / name);
    for (const char* name : {"Mods", "mods", "MODS"})
        EXPECT_EQ(
            MapWindowsPath(fake.prefix(), std::string("C:\\") + name), fake.ThroughDriveC(name));
    const std::optional<std::filesystem::path> other = MapWindowsPath(fake.prefix(), "C:\\mODS");
    ASSERT_TRUE(other);
    EXPECT_TRUE(std::filesystem::is_directory(*other));
}

TEST(MapWindowsPath, MatchesFilesAndLinksToo)
{
    const FakePrefix fake;
    WriteFileBytes(fake.DriveC() / "CustomCombat.WST", "");
    std::filesystem::create_directory_symlink("missing", fake.DriveC() / "Dangling");
    EXPECT_EQ(MapWindowsPath(fake.prefix(), "C:\\customcombat.wst"),
        fake.ThroughDriveC("CustomCombat.WST"));
    EXPECT_EQ(MapWindowsPath(fake.prefix(), "C:\\DANGLING"), fake.ThroughDriveC("Dangling"));
}
