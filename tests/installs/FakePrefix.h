#pragma once

#include "TemporaryFolder.h"
#include "installs/WinePrefix.h"

#include <filesystem>
#include <string>
#include <string_view>

enum class Architecture { Win32, Win64 };

// The text of a system.reg as Wine writes it, with the given key sections.
std::string WineRegistryText(std::string_view keySections, Architecture architecture);

std::string ReadFileBytes(const std::filesystem::path& file);
void WriteFileBytes(const std::filesystem::path& file, std::string_view bytes);
std::string WithCrLfLineEnds(std::string_view text);

// A Wine prefix in a temporary folder: drive_c behind the link dosdevices/c:,
// and whatever system.reg a test writes.
class FakePrefix {
public:
    FakePrefix();

    WinePrefix prefix() const { return WinePrefix(folder_.folder()); }
    const std::filesystem::path& folder() const { return folder_.folder(); }
    std::filesystem::path DriveC() const { return folder() / "drive_c"; }
    // The host path of a folder on drive C as this program reaches it.
    std::filesystem::path ThroughDriveC(const std::filesystem::path& relative) const;

    void WriteRegistry(std::string_view text) const;
    void LinkDrive(char letter, const std::filesystem::path& target) const;

private:
    TemporaryFolder folder_;
};
