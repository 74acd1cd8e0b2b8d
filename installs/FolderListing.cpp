#include "installs/FolderListing.h"

#include <algorithm>
#include <system_error>

std::vector<std::filesystem::path> SortedEntries(const std::filesystem::path& folder)
{
    std::vector<std::filesystem::path> entries;
    std::error_code error;
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error))
        entries.push_back(entry->path());
    std::sort(entries.begin(), entries.end());
    return entries;
}

std::vector<std::filesystem::path> MatchingFolders(
    const std::filesystem::path& base, std::string_view pattern)
{
    std::vector<std::filesystem::path> folders = {base};
    while (!pattern.empty()) {
        const std::size_t slash = std::min(pattern.find('/'), pattern.size());
        const std::string_view component = pattern.substr(0, slash);
        pattern.remove_prefix(std::min(slash + 1, pattern.size()));
        std::vector<std::filesystem::path> next;
        for (const std::filesystem::path& folder : folders) {
            if (component != "*") {
                next.push_back(folder / component);
                continue;
            }
            for (std::filesystem::path& entry : SortedEntries(folder)) {
                std::error_code error;
                if (std::filesystem::is_directory(entry, error))
                    next.push_back(std::move(entry));
            }
        }
        folders = std::move(next);
    }
    return folders;
}
