#include "installs/PrefixDiscovery.h"

#include "installs/FolderListing.h"
#include "installs/LutrisGames.h"
#include "installs/SteamLibraries.h"
#include "text/Translated.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <set>
#include <sys/stat.h>
#include <system_error>

namespace fs = std::filesystem;

namespace {

struct SourceText {
    InstallSource source;
    std::string_view name;
};

constexpr std::array<SourceText, 11> kSourceNames = {{
    {InstallSource::PrefixOption, "--prefix"},
    {InstallSource::WinePrefixVariable, "$WINEPREFIX"},
    {InstallSource::ChosenFolder, TranslatedLater("chosen folder")},
    {InstallSource::ChosenPrefix, TranslatedLater("chosen prefix")},
    {InstallSource::DefaultPrefix, "~/.wine"},
    {InstallSource::Lutris, "Lutris"},
    {InstallSource::Bottles, "Bottles"},
    {InstallSource::PlayOnLinux, "PlayOnLinux"},
    {InstallSource::Proton, "Steam Proton"},
    {InstallSource::Heroic, "Heroic"},
    {InstallSource::CrossOver, "CrossOver"},
}};

// The prefixes a manager keeps in fixed folders of the home folder.
struct ManagerFolders {
    InstallSource source;
    std::string_view pattern;  // for MatchingFolders
};

constexpr std::array<ManagerFolders, 7> kManagerFolders = {{
    {InstallSource::Lutris, "Games/*"},
    {InstallSource::Bottles, ".local/share/bottles/bottles/*"},
    {InstallSource::Bottles, ".var/app/com.usebottles.bottles/data/bottles/bottles/*"},
    {InstallSource::PlayOnLinux, ".PlayOnLinux/wineprefix/*"},
    // Heroic's older prefixes lie directly in Prefixes, newer ones in Prefixes/default.
    {InstallSource::Heroic, "Games/Heroic/Prefixes/*"},
    {InstallSource::Heroic, "Games/Heroic/Prefixes/*/*"},
    {InstallSource::CrossOver, ".cxoffice/*"},
}};
constexpr std::string_view kProtonPrefixes = "steamapps/compatdata/*/pfx";

// Any file of that name makes a prefix, so that one that cannot be read is
// reported rather than passed over.
std::optional<RegistryStamp> RegistryFileStamp(const fs::path& file)
{
    struct stat status { };
    if (stat(file.c_str(), &status) != 0)
        return std::nullopt;
    return RegistryStamp{static_cast<std::uintmax_t>(status.st_size),
        static_cast<std::int64_t>(status.st_mtim.tv_sec) * 1'000'000'000 + status.st_mtim.tv_nsec};
}

class PrefixList {
public:
    // A prefix named by the user: kept even without a registry, to say so.
    void AddNamed(InstallSource source, const fs::path& folder)
    {
        Add(source, folder, Keep::Always);
    }
    void AddFound(InstallSource source, const fs::path& folder)
    {
        Add(source, folder, Keep::WithRegistry);
    }
    // Most recently changed registry first within each source; the rest keeps its order.
    std::vector<FoundPrefix> Sorted() &&
    {
        std::stable_sort(prefixes_.begin(), prefixes_.end(),
            [](const FoundPrefix& first, const FoundPrefix& second) {
                if (first.source != second.source)
                    return first.source < second.source;
                return first.registry && second.registry
                    && first.registry->changedNanoseconds > second.registry->changedNanoseconds;
            });
        // A prefix reached twice stays where it comes first.
        std::set<fs::path> seen;
        std::erase_if(prefixes_, [&seen](const FoundPrefix& found) {
            std::error_code error;
            return !seen.insert(fs::weakly_canonical(found.prefix.folder(), error)).second;
        });
        return std::move(prefixes_);
    }

private:
    enum class Keep { Always, WithRegistry };

    void Add(InstallSource source, const fs::path& folder, Keep keep)
    {
        WinePrefix prefix(folder);
        std::optional<RegistryStamp> registry = RegistryFileStamp(prefix.SystemRegistry());
        if (registry || keep == Keep::Always)
            prefixes_.push_back({source, std::move(prefix), registry});
    }

    std::vector<FoundPrefix> prefixes_;
};

}  // namespace

std::string_view SourceName(InstallSource source)
{
    const auto text = std::find_if(kSourceNames.begin(), kSourceNames.end(),
        [source](const SourceText& entry) { return entry.source == source; });
    return text != kSourceNames.end() ? text->name : std::string_view();
}

PrefixesFound DiscoverPrefixes(const InstallSearch& search)
{
    PrefixList list;
    if (search.onlyPrefix) {
        list.AddNamed(InstallSource::PrefixOption, *search.onlyPrefix);
        return {std::move(list).Sorted(), {}};
    }
    const fs::path& home = search.environment.home;
    if (!search.environment.winePrefix.empty())
        list.AddNamed(InstallSource::WinePrefixVariable, search.environment.winePrefix);
    if (search.chosen.prefix)
        list.AddNamed(InstallSource::ChosenPrefix, *search.chosen.prefix);
    list.AddFound(InstallSource::DefaultPrefix, home / kDefaultPrefixName);
    ListedFolders lutrisPrefixes = LutrisGamePrefixes(home);
    for (const fs::path& prefix : lutrisPrefixes.folders)
        list.AddFound(InstallSource::Lutris, prefix);
    for (const ManagerFolders& manager : kManagerFolders) {
        for (const fs::path& prefix : MatchingFolders(home, manager.pattern))
            list.AddFound(manager.source, prefix);
    }
    ListedFolders steamLibraries = SteamLibraries(home);
    for (const fs::path& library : steamLibraries.folders) {
        for (const fs::path& prefix : MatchingFolders(library, kProtonPrefixes))
            list.AddFound(InstallSource::Proton, prefix);
    }
    PrefixesFound found{std::move(list).Sorted(), std::move(lutrisPrefixes.skippedFiles)};
    std::ranges::move(steamLibraries.skippedFiles, std::back_inserter(found.skippedFiles));
    return found;
}
