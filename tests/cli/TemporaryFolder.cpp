#include "TemporaryFolder.h"

#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <system_error>

TemporaryFolder::TemporaryFolder()
{
    std::random_device seed;
    std::mt19937_64 random(seed());
    do {
        path_ = std::filesystem::temp_directory_path() / ("quavel-cli-" + std::to_string(random()));
    } while (!std::filesystem::create_directory(path_));
}

TemporaryFolder::~TemporaryFolder()
{
    // A test may leave a folder without permissions behind.
    std::error_code error;
    for (auto entry = std::filesystem::recursive_directory_iterator(path_, error);
         !error && entry != std::filesystem::recursive_directory_iterator();
         entry.increment(error)) {
        std::error_code ignored;
        if (entry->symlink_status(ignored).type() == std::filesystem::file_type::directory)
            std::filesystem::permissions(entry->path(), std::filesystem::perms::owner_all,
                std::filesystem::perm_options::add, ignored);
    }
    std::filesystem::permissions(
        path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, error);
    std::filesystem::remove_all(path_, error);
}

void TemporaryFolder::Write(std::string_view name, std::string_view bytes) const
{
    const std::filesystem::path file = path_ / name;
    std::filesystem::create_directories(file.parent_path());
    WriteFile(file, bytes);
}

std::string TemporaryFolder::Read(std::string_view name) const
{
    return ReadFileOrMissing(path_ / name);
}

std::set<std::string> TemporaryFolder::Entries() const
{
    std::set<std::string> entries;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(path_))
        entries.insert(std::filesystem::relative(entry.path(), path_).string());
    return entries;
}

std::string ReadFileOrMissing(const std::filesystem::path& file)
{
    std::ifstream stream(file, std::ios::binary);
    if (!stream)
        return "<missing>";
    return {std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
}

void WriteFile(const std::filesystem::path& file, std::string_view bytes)
{
    std::ofstream stream(file, std::ios::binary | std::ios::trunc);
    stream.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!stream)
        throw std::runtime_error("cannot write " + file.string());
}

std::string ReplaceAll(std::string text, std::string_view from, std::string_view to)
{
    std::size_t position = text.find(from);
    if (position == std::string::npos)
        throw std::invalid_argument("no \"" + std::string(from) + "\" to replace");
    for (; position != std::string::npos; position = text.find(from, position + to.size()))
        text.replace(position, from.size(), to);
    return text;
}
