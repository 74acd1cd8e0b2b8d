// Finding the game's and the server's installs in a system.reg of 1.7 MB, the
// size of a real Wine 8 prefix's, and in a home folder holding 20 prefixes of
// that size, beside only reading the same bytes into memory as the baseline.
// The registry is the real excerpt of a Wine prefix, its game keys kept in
// their place, padded with generated keys in the shape Wine writes them
// (class registrations and their server keys before, other software and
// system keys after).

#include "installs/GameDir.h"
#include "installs/InstallDiscovery.h"
#include "installs/WineRegistry.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <random>
#include <sstream>

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kRegistryBytes = 1'700'000;
constexpr int kPrefixCount = 20;

std::string FileText(const fs::path& file)
{
    std::ifstream stream(file, std::ios::binary);
    std::ostringstream text;
    text << stream.rdbuf();
    return text.str();
}

std::string GeneratedKeys(std::string_view root, int first, std::size_t bytes)
{
    std::string text;
    char key[512];
    for (int index = first; text.size() < bytes; ++index) {
        std::snprintf(key, sizeof key,
            "[%s\\\\{%08X-1234-5678-9ABC-%012X}] 1796582439\n#time=1dd85b14a6c1a28\n"
            "@=\"Generated Class %d\"\n\"ThreadingModel\"=\"Both\"\n\n"
            "[%s\\\\{%08X-1234-5678-9ABC-%012X}\\\\InprocServer32] 1796582439\n"
            "#time=1dd85b14a6c1a28\n@=\"C:\\\\windows\\\\system32\\\\generated%d.dll\"\n"
            "\"Flags\"=dword:00000004\n\"Data\"=hex:01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,\\\n"
            "  0e,0f,10\n\n",
            root.data(), index, index, index, root.data(), index, index, index);
        text += key;
    }
    return text;
}

// The excerpt with classes before its keys and other keys after them.
std::string LargeRegistryText()
{
    const std::string excerpt = FileText(WINE_REGISTRY_EXCERPT);
    const std::size_t firstKey = excerpt.find("\n[") + 1;
    return excerpt.substr(0, firstKey) + GeneratedKeys("Software\\\\Classes\\\\CLSID", 0, 900'000)
        + excerpt.substr(firstKey) + GeneratedKeys("Software\\\\Microsoft\\\\Generated", 0, 400'000)
        + GeneratedKeys("System\\\\CurrentControlSet\\\\Generated", 0,
            kRegistryBytes - 1'300'000 - excerpt.size());
}

// A home folder with kPrefixCount Bottles prefixes holding the large registry;
// the first one holds the game's and the server's keys, the rest only padding.
class BenchmarkHome {
public:
    BenchmarkHome()
        : home_(
            fs::temp_directory_path() / ("quavel-bench-" + std::to_string(std::random_device{}())))
    {
        const std::string withKeys = LargeRegistryText();
        std::string withoutKeys = withKeys;
        for (std::size_t at; (at = withoutKeys.find("EA GAMES")) != std::string::npos;)
            withoutKeys.replace(at, 8, "XX GAMES");
        for (int index = 0; index < kPrefixCount; ++index) {
            const fs::path prefix = home_ / ".local/share/bottles/bottles" / std::to_string(index);
            fs::create_directories(prefix / "drive_c");
            fs::create_directory(prefix / "dosdevices");
            fs::create_directory_symlink("../drive_c", prefix / "dosdevices/c:");
            std::ofstream(prefix / "system.reg", std::ios::binary)
                << (index == 0 ? withKeys : withoutKeys);
            registries_.push_back(prefix / "system.reg");
        }
    }
    ~BenchmarkHome() { fs::remove_all(home_); }
    BenchmarkHome(const BenchmarkHome&) = delete;
    BenchmarkHome& operator=(const BenchmarkHome&) = delete;

    InstallSearch Search() const { return {{home_, "", ""}, {}, std::nullopt}; }
    const std::vector<fs::path>& registries() const { return registries_; }

private:
    fs::path home_;
    std::vector<fs::path> registries_;
};

const BenchmarkHome& Home()
{
    static const BenchmarkHome home;
    return home;
}

void SetBytes(benchmark::State& state, std::size_t files)
{
    const auto bytes = static_cast<std::int64_t>(fs::file_size(Home().registries().front()));
    state.SetBytesProcessed(state.iterations() * bytes * static_cast<std::int64_t>(files));
}

void ReadRegistryBytes(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(FileText(Home().registries().front()));
    SetBytes(state, 1);
}

// Both keys of one prefix, as each search reads them.
void LookUpInstalls(benchmark::State& state)
{
    for (auto _ : state) {
        const std::optional<WineRegistry> registry
            = WineRegistry::Load(Home().registries().front(), kInstallKeyPaths);
        for (const std::string_view keyPath : kInstallKeyPaths)
            benchmark::DoNotOptimize(ReadGameDir(*registry, keyPath));
    }
    SetBytes(state, 1);
}

// Every key read, as before the lookup skipped the ones it does not need.
void ParseWholeRegistry(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(WineRegistry::Load(Home().registries().front()));
    SetBytes(state, 1);
}

void ReadAllPrefixesBytes(benchmark::State& state)
{
    for (auto _ : state) {
        for (const fs::path& registry : Home().registries())
            benchmark::DoNotOptimize(FileText(registry));
    }
    SetBytes(state, kPrefixCount);
}

// A first search of the home folder: every prefix found and read.
void DiscoverInstalls(benchmark::State& state)
{
    for (auto _ : state) {
        InstallDiscovery discovery;
        benchmark::DoNotOptimize(discovery.Find(Home().Search(), FolderCreation::LookOnly));
    }
    SetBytes(state, kPrefixCount);
}

// A later search by the same object, after a choice in the window.
void DiscoverInstallsAgain(benchmark::State& state)
{
    InstallDiscovery discovery;
    discovery.Find(Home().Search(), FolderCreation::LookOnly);
    for (auto _ : state)
        benchmark::DoNotOptimize(discovery.Find(Home().Search(), FolderCreation::LookOnly));
}

}  // namespace

BENCHMARK(ReadRegistryBytes)->Unit(benchmark::kMillisecond);
BENCHMARK(LookUpInstalls)->Unit(benchmark::kMillisecond);
BENCHMARK(ParseWholeRegistry)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadAllPrefixesBytes)->Unit(benchmark::kMillisecond);
BENCHMARK(DiscoverInstalls)->Unit(benchmark::kMillisecond);
BENCHMARK(DiscoverInstallsAgain)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
