#pragma once

// A fresh folder under the system's temporary folder for one test, removed with
// everything in it afterwards. Tests run in parallel processes, so each name
// carries a random part. The profile and the install tests both use it.

#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>

// The file's bytes; "" when it cannot be read.
inline std::string FileBytes(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

class TestFolder {
public:
    TestFolder()
    {
        std::mt19937_64 random(std::random_device{}());
        do
            path_ = std::filesystem::temp_directory_path()
                / ("quavel-test-" + std::to_string(random()));
        while (!std::filesystem::create_directory(path_));
    }
    ~TestFolder()
    {
        namespace fs = std::filesystem;
        // Tests may have taken permissions away; give them back so removal works.
        std::error_code error;
        std::error_code ignored;
        fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
        for (auto entry = fs::recursive_directory_iterator(path_, error);
             !error && entry != fs::recursive_directory_iterator(); entry.increment(error)) {
            if (entry->symlink_status(ignored).type() == fs::file_type::directory)
                fs::permissions(
                    entry->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
        }
        fs::remove_all(path_, error);
    }
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::filesystem::path& name) const
    {
        return path_ / name;
    }

    void Write(const std::filesystem::path& name, std::string_view bytes) const
    {
        std::ofstream file(path_ / name, std::ios::binary);
        file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!file)
            throw std::runtime_error("cannot write test file " + name.string());
    }
    std::string Read(const std::filesystem::path& name) const { return FileBytes(path_ / name); }
    // The names of everything in the folder (or in one of its sub-folders), so
    // that a test sees stray files.
    std::set<std::string> Entries(const std::filesystem::path& subFolder = {}) const
    {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(path_ / subFolder))
            names.insert(entry.path().filename().string());
        return names;
    }
    unsigned PermissionBits(const std::filesystem::path& name) const
    {
        const auto bits = std::filesystem::status(path_ / name).permissions();
        return static_cast<unsigned>(bits & std::filesystem::perms::mask);
    }

private:
    std::filesystem::path path_;
};

// The process works in a fresh folder while the object lives. Tests run one
// process each, so changing the current folder is safe.
class WorkingFolder : public TestFolder {
public:
    WorkingFolder()
        : previous_(std::filesystem::current_path())
    {
        std::filesystem::current_path(path());
    }
    ~WorkingFolder()
    {
        std::error_code ignored;
        std::filesystem::current_path(previous_, ignored);
    }

private:
    std::filesystem::path previous_;
};
