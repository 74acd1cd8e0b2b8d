#pragma once

// A Wine prefix in a test folder: drive_c behind the link dosdevices/c:, and
// whatever system.reg a test writes. The names of those files are spelt out
// here, not taken from WinePrefix, so that every test also checks that the
// program looks where Wine keeps them.

#include "installs/WinePrefix.h"
#include "tests/support/TestFolder.h"

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

class FakePrefix : public TestFolder {
public:
    FakePrefix()
    {
        std::filesystem::create_directories(DriveC());
        std::filesystem::create_directory(path() / "dosdevices");
        LinkDrive('c', "../drive_c");
    }

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
