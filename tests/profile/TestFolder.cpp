#include "TestFolder.h"

#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

TestFolder::TestFolder()
{
    std::random_device random;
    path_ = fs::temp_directory_path() / ("quavel-test-" + std::to_string(random()));
    if (!fs::create_directory(path_))
        throw std::runtime_error("test folder exists: " + path_.string());
}

TestFolder::~TestFolder()
{
    std::error_code error;
    // Tests may have taken permissions away; give them back so removal works.
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(path_, error)) {
        if (entry.is_directory(error))
            fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, error);
    }
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, error);
    fs::remove_all(path_, error);
}

void TestFolder::Write(std::string_view name, std::string_view bytes) const
{
    std::ofstream file(path_ / name, std::ios::binary);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!file)
        throw std::runtime_error("cannot write test file " + std::string(name));
}

std::string TestFolder::Read(std::string_view name) const
{
    std::ifstream file(path_ / name, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

std::set<std::string> TestFolder::Entries(std::string_view subFolder) const
{
    std::set<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(path_ / subFolder))
        names.insert(entry.path().filename().string());
    return names;
}

std::string ReadTestData(std::string_view name)
{
    std::ifstream file(fs::path(QUAVEL_TEST_DATA) / name, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

std::string ReplaceAll(std::string text, std::string_view from, std::string_view to)
{
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

std::string RenameElement(std::string document, std::string_view from, std::string_view to)
{
    const std::string name(from);
    const std::string renamed(to);
    document = ReplaceAll(std::move(document), "<" + name + " ", "<" + renamed + " ");
    document = ReplaceAll(std::move(document), "<" + name + ">", "<" + renamed + ">");
    return ReplaceAll(std::move(document), "</" + name + ">", "</" + renamed + ">");
}
