#include "installs/InstallDiscovery.h"

#include "installs/SearchedFileRead.h"
#include "installs/WineRegistry.h"
#include "text/Translated.h"

#include <algorithm>
#include <iterator>
#include <system_error>

namespace fs = std::filesystem;

namespace {

constexpr std::array kProducts = {Product::Server, Product::Game};
static_assert(kInstallKeyPaths[static_cast<std::size_t>(Product::Server)] == kServerKeyPath);
static_assert(kInstallKeyPaths[static_cast<std::size_t>(Product::Game)] == kGameKeyPath);

const std::optional<fs::path>& ChosenFolderOf(const ChosenFolders& chosen, Product product)
{
    return product == Product::Server ? chosen.server : chosen.game;
}

FoundInstall ChosenInstall(const fs::path& folder)
{
    FoundInstall install;
    install.source = InstallSource::ChosenFolder;
    install.location = InstallInFolder(folder, FolderCreation::LookOnly);
    std::error_code error;
    if (!fs::is_directory(folder, error)) {
        install.problem = InstallProblem::ChosenFolderMissing;
        install.problemDetail = folder.string();
    }
    return install;
}

FoundInstall PrefixInstall(const FoundPrefix& found, const GameDirReading& reading)
{
    FoundInstall install;
    install.source = found.source;
    install.prefixFolder = found.prefix.folder();
    install.problem = reading.problem;
    install.problemDetail = reading.keyRead;
    if (!reading.folder)
        return install;
    install.location = InstallInPrefix(found.prefix, *reading.folder, FolderCreation::LookOnly);
    if (install.location.folder.empty()) {
        install.problem = InstallProblem::DriveWithoutLink;
        install.problemDetail = *reading.folder;
    }
    return install;
}

// A prefix whose system.reg could not be read: it may hold either install.
FoundInstall UnreadableInstall(const FoundPrefix& found, const SkippedFile& registry)
{
    FoundInstall install;
    install.source = found.source;
    install.prefixFolder = found.prefix.folder();
    install.problem = InstallProblem::RegistryUnreadable;
    install.problemDetail = registry.Text();
    return install;
}

}  // namespace

std::string FoundInstall::SourceText() const
{
    const std::string name = Translated(std::string(SourceName(source)).c_str());
    return prefixFolder.empty() ? name : name + ": " + prefixFolder.string();
}

std::string ProductInstalls::PublishPathOrReason() const
{
    if (const FoundInstall* install = InUse())
        return install->location.publishPath.string();
    return DescribeProblem(problem, problemDetail);
}

InstallsFound InstallDiscovery::Find(const InstallSearch& search, FolderCreation creation)
{
    InstallsFound result;
    PrefixesFound prefixes = DiscoverPrefixes(search);
    result.prefixes = std::move(prefixes.prefixes);
    if (search.chosen.skippedSettings)
        result.skippedFiles.push_back(*search.chosen.skippedSettings);
    std::ranges::move(prefixes.skippedFiles, std::back_inserter(result.skippedFiles));
    for (const Product product : kProducts) {
        ProductInstalls& installs = result.products[static_cast<std::size_t>(product)];
        installs.problem = InstallProblem::NoPrefix;
        const std::optional<fs::path>& chosen = ChosenFolderOf(search.chosen, product);
        if (chosen && !search.onlyPrefix)
            installs.found.push_back(ChosenInstall(*chosen));
        for (const FoundPrefix& found : result.prefixes) {
            const RegistryReadings& readings = ReadingsOf(found);
            const GameDirReading& reading = readings.byProduct[static_cast<std::size_t>(product)];
            if (readings.skipped) {
                installs.found.push_back(UnreadableInstall(found, *readings.skipped));
            } else if (readings.readable && reading.problem != InstallProblem::KeyMissing) {
                installs.found.push_back(PrefixInstall(found, reading));
            } else if (installs.problem == InstallProblem::NoPrefix) {
                installs.problem
                    = readings.readable ? InstallProblem::KeyMissing : InstallProblem::NoRegistry;
                installs.problemDetail
                    = readings.readable ? reading.keyRead : found.prefix.folder().string();
            }
        }
        std::stable_sort(installs.found.begin(), installs.found.end(),
            [](const FoundInstall& first, const FoundInstall& second) {
                return first.source < second.source;
            });
        const auto usable = std::find_if(installs.found.begin(), installs.found.end(),
            [](const FoundInstall& install) { return install.problem == InstallProblem::None; });
        if (usable != installs.found.end()) {
            installs.inUse = static_cast<std::size_t>(usable - installs.found.begin());
            installs.problem = InstallProblem::None;
            installs.problemDetail.clear();
            PlaceSettingsFolder(usable->location, creation);
        } else if (!installs.found.empty()) {
            installs.problem = installs.found.front().problem;
            installs.problemDetail = installs.found.front().problemDetail;
        }
    }
    return result;
}

const InstallDiscovery::RegistryReadings& InstallDiscovery::ReadingsOf(const FoundPrefix& found)
{
    static const RegistryReadings unreadable;
    if (!found.registry)
        return unreadable;
    RegistryReadings& readings = cache_[found.prefix.SystemRegistry()];
    if (readings.readable && readings.stamp == *found.registry)
        return readings;
    readings = RegistryReadings();
    readings.stamp = *found.registry;
    const fs::path file = found.prefix.SystemRegistry();
    SearchedFileRead read = ReadSearchedFile(file, SearchedFile::WineRegistry);
    const std::optional<WineRegistry> registry
        = read.bytes ? WineRegistry::Parse(*read.bytes, kInstallKeyPaths) : std::nullopt;
    if (read.bytes && !registry)
        read.skipped = SkippedFile{SearchedFile::WineRegistry, file, NotWineRegistryReason()};
    readings.skipped = std::move(read.skipped);
    if (!registry)
        return readings;
    readings.readable = true;
    for (const Product product : kProducts) {
        const std::size_t index = static_cast<std::size_t>(product);
        readings.byProduct[index] = ReadGameDir(*registry, kInstallKeyPaths[index]);
    }
    return readings;
}
