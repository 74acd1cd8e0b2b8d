#pragma once

// A fresh folder under the system's temporary folder for one test, removed with
// everything in it afterwards. Tests run in parallel processes, so each name
// carries a random part.

#include <filesystem>
#include <set>
#include <string>
#include <string_view>

class TestFolder {
public:
    TestFolder();
    ~TestFolder();
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

    void Write(std::string_view name, std::string_view bytes) const;
    // The file's bytes; "" when it cannot be read.
    std::string Read(std::string_view name) const;
    // The names of everything in the folder (or in one of its sub-folders), so
    // that a test sees stray files.
    std::set<std::string> Entries(std::string_view subFolder = {}) const;

private:
    std::filesystem::path path_;
};

// The bytes of a file in tests/profile/data.
std::string ReadTestData(std::string_view name);
// Every occurrence of from replaced by to.
std::string ReplaceAll(std::string text, std::string_view from, std::string_view to);
// The element's start and end tags renamed, so a search for it finds nothing.
std::string RenameElement(std::string document, std::string_view from, std::string_view to);
