#pragma once

#include <filesystem>
#include <set>
#include <string>
#include <string_view>

// A fresh folder under the system's temporary folder for one test, removed with
// everything in it afterwards. Tests run in parallel processes, so each name
// carries a random part.
class TemporaryFolder {
public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

    // Creates the folders above the file when needed.
    void Write(std::string_view name, std::string_view bytes) const;
    // The file's bytes; "<missing>" when it cannot be read.
    std::string Read(std::string_view name) const;
    // Every file and folder below the folder, relative to it.
    std::set<std::string> Entries() const;

private:
    std::filesystem::path path_;
};

std::string ReadFileOrMissing(const std::filesystem::path& file);
void WriteFile(const std::filesystem::path& file, std::string_view bytes);
// Every occurrence of from replaced by to; there must be at least one.
std::string ReplaceAll(std::string text, std::string_view from, std::string_view to);
