#include "TemporaryFolder.h"

#include <random>
#include <string>
#include <system_error>

TemporaryFolder::TemporaryFolder()
{
    std::random_device seed;
    std::mt19937_64 random(seed());
    for (;;) {
        folder_ = std::filesystem::temp_directory_path()
            / ("quavel-installs-" + std::to_string(random()));
        if (std::filesystem::create_directory(folder_))
            return;
    }
}

TemporaryFolder::~TemporaryFolder()
{
    // Tests may leave folders without write permission behind.
    std::error_code error;
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
