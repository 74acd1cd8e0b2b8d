#pragma once

// Folders for the window tests: a fresh working folder that the process
// changes into, and a made-up Wine prefix that WINEPREFIX points at, so that
// each test starts the editor in a world of its own. Tests run one process
// each, so changing the current folder and the environment is safe.

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>

inline std::string ReadBytes(const std::filesystem::path& file)
{
    std::ifstream stream(file, std::ios::binary);
    if (!stream)
        throw std::runtime_error("cannot read " + file.string());
    return {std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::filesystem::path& file, std::string_view bytes)
{
    std::ofstream stream(file, std::ios::binary | std::ios::trunc);
    stream.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!stream)
        throw std::runtime_error("cannot write " + file.string());
}

// A fresh folder under the system's temporary folder, removed with all it
// holds, even read-only folders, when the object goes.
class TemporaryFolder {
public:
    explicit TemporaryFolder(std::string_view kind)
    {
        std::random_device seed;
        std::mt19937_64 random(seed());
        do {
            folder_ = std::filesystem::temp_directory_path()
                / ("quavel-" + std::string(kind) + "-" + std::to_string(random()));
        } while (!std::filesystem::create_directory(folder_));
    }
    ~TemporaryFolder()
    {
        std::error_code error;
        std::filesystem::permissions(
            folder_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, error);
        for (auto entry = std::filesystem::recursive_directory_iterator(folder_, error);
             !error && entry != std::filesystem::recursive_directory_iterator();
             entry.increment(error)) {
            std::error_code ignored;
            if (entry->symlink_status(ignored).type() == std::filesystem::file_type::directory)
                std::filesystem::permissions(entry->path(), std::filesystem::perms::owner_all,
                    std::filesystem::perm_options::add, ignored);
        }
        std::filesystem::remove_all(folder_, error);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::filesystem::path& path() const { return folder_; }

private:
    std::filesystem::path folder_;
};

// The process works in a fresh folder while the object lives.
class TemporaryWorkingFolder {
public:
    TemporaryWorkingFolder()
        : previous_(std::filesystem::current_path())
    {
        std::filesystem::current_path(folder_.path());
    }
    ~TemporaryWorkingFolder()
    {
        std::error_code ignored;
        std::filesystem::current_path(previous_, ignored);
    }
    TemporaryWorkingFolder(const TemporaryWorkingFolder&) = delete;
    TemporaryWorkingFolder& operator=(const TemporaryWorkingFolder&) = delete;

    // As the process spells it.
    const std::filesystem::path& path() const { return folder_.path(); }

private:
    std::filesystem::path previous_;
    TemporaryFolder folder_{"workdir"};
};

// A Wine prefix with drive C behind dosdevices/c: and, once a test writes
// one, a system.reg in Wine's text format; WINEPREFIX names it while the
// object lives. Without a registry neither install is found.
class FakeWinePrefix {
public:
    FakeWinePrefix()
    {
        std::filesystem::create_directories(path() / "dosdevices");
        std::filesystem::create_directory(DriveC());
        std::filesystem::create_directory_symlink("../drive_c", path() / "dosdevices" / "c:");
        if (const char* previous = std::getenv("WINEPREFIX"))
            previous_ = previous;
        ::setenv("WINEPREFIX", path().c_str(), 1);
    }
    ~FakeWinePrefix()
    {
        if (previous_)
            ::setenv("WINEPREFIX", previous_->c_str(), 1);
        else
            ::unsetenv("WINEPREFIX");
    }
    FakeWinePrefix(const FakeWinePrefix&) = delete;
    FakeWinePrefix& operator=(const FakeWinePrefix&) = delete;

    const std::filesystem::path& path() const { return folder_.path(); }
    std::filesystem::path DriveC() const { return path() / "drive_c"; }

    // A registry in which the server and the game have these GAMEDIR values
    // (Windows paths, REG_SZ); an empty value leaves that install out.
    void WriteGameDirs(std::string_view serverFolder, std::string_view gameFolder) const
    {
        std::string text
            = "WINE REGISTRY Version 2\n;; All keys relative to REGISTRY\\\\Machine\n\n"
              "#arch=win32\n\n";
        if (!serverFolder.empty())
            text += KeySection("Battlefield Vietnam Server", serverFolder);
        if (!gameFolder.empty())
            text += KeySection("Battlefield Vietnam", gameFolder);
        WriteBytes(path() / "system.reg", text);
    }

private:
    static std::string KeySection(std::string_view product, std::string_view folder)
    {
        std::string escaped;
        for (const char character : folder)
            escaped += character == '\\' ? std::string("\\\\") : std::string(1, character);
        return "[Software\\\\EA GAMES\\\\" + std::string(product)
            + "] 1700000000\n#time=1d9e0d3f2a1b2c3\n\"GAMEDIR\"=\"" + escaped + "\"\n\n";
    }

    TemporaryFolder folder_{"prefix"};
    std::optional<std::string> previous_;
};
