#include "FakePrefix.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

std::string WineRegistryText(std::string_view keySections, Architecture architecture)
{
    std::string text = "WINE REGISTRY Version 2\n;; All keys relative to REGISTRY\\\\Machine\n\n";
    if (architecture == Architecture::Win64)
        text += "#arch=win64\n\n";
    return text + std::string(keySections);
}

std::string ReadFileBytes(const std::filesystem::path& file)
{
    std::ifstream stream(file, std::ios::binary);
    if (!stream)
        throw std::runtime_error("cannot read " + file.string());
    return {std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
}

void WriteFileBytes(const std::filesystem::path& file, std::string_view bytes)
{
    std::ofstream stream(file, std::ios::binary | std::ios::trunc);
    stream.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!stream)
        throw std::runtime_error("cannot write " + file.string());
}

std::string WithCrLfLineEnds(std::string_view text)
{
    std::string converted;
    for (const char character : text) {
        if (character == '\n')
            converted += '\r';
        converted += character;
    }
    return converted;
}

FakePrefix::FakePrefix()
{
    std::filesystem::create_directories(folder() / "dosdevices");
    std::filesystem::create_directory(DriveC());
    LinkDrive('c', "../drive_c");
}

std::filesystem::path FakePrefix::ThroughDriveC(const std::filesystem::path& relative) const
{
    return folder() / "dosdevices" / "c:" / relative;
}

void FakePrefix::WriteRegistry(std::string_view text) const
{
    WriteFileBytes(prefix().SystemRegistry(), text);
}

void FakePrefix::LinkDrive(char letter, const std::filesystem::path& target) const
{
    std::filesystem::create_directory_symlink(target, prefix().DriveLink(letter));
}
