// LoadProfile, SaveProfile and ListProfiles over folders of 1,000 and 10,000
// profiles, each a copy of the default document, beside a bare pugixml parse and
// raw save of the same files as the baseline. Our load checks each document
// with expat first; BareParseAndCheck adds the same bare expat parse to the
// baseline. Our save writes atomically and flushes to disk;
// BareParseAndSaveFlushed adds the same flushed write to the baseline.

#include "profile/AtomicFile.h"
#include "profile/DefaultDocument.h"
#include "profile/ProfileStore.h"

#include <benchmark/benchmark.h>
#include <expat.h>
#include <pugixml.hpp>

#include <cstdio>
#include <map>
#include <random>
#include <sstream>

namespace fs = std::filesystem;

namespace {

class ProfileFolder {
public:
    explicit ProfileFolder(int count)
        : path_(
            fs::temp_directory_path() / ("quavel-bench-" + std::to_string(std::random_device{}())))
    {
        fs::create_directory(path_);
        WriteFileAtomically(path_ / "Default.wst", DefaultDocument());
        for (int i = 0; i < count; ++i)
            WriteNewFile(path_ / (Name(i) + ".wst"), DefaultDocument());
    }
    ~ProfileFolder() { fs::remove_all(path_); }
    ProfileFolder(const ProfileFolder&) = delete;
    ProfileFolder& operator=(const ProfileFolder&) = delete;

    const fs::path& path() const { return path_; }
    static std::string Name(int i)
    {
        char name[32];
        std::snprintf(name, sizeof name, "Profile%05d", i);
        return name;
    }

private:
    fs::path path_;
};

// One folder per size for the whole run: filling 10,000 files takes a while.
const ProfileFolder& FolderOf(int count)
{
    static std::map<int, ProfileFolder> folders;
    return folders.try_emplace(count, count).first->second;
}

void LoadProfile(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    ProfileStore store(FolderOf(count).path());
    int i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(store.LoadProfile(ProfileFolder::Name(i++ % count)));
}

void SaveProfile(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    ProfileStore store(FolderOf(count).path());
    std::optional<Profile> profile = store.LoadProfile(ProfileFolder::Name(0));
    int i = 0;
    for (auto _ : state) {
        profile->name = ProfileFolder::Name(i++ % count);
        benchmark::DoNotOptimize(store.SaveProfile(*profile));
    }
}

void LoadAndSaveProfile(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    ProfileStore store(FolderOf(count).path());
    int i = 0;
    for (auto _ : state) {
        std::optional<Profile> profile = store.LoadProfile(ProfileFolder::Name(i++ % count));
        benchmark::DoNotOptimize(store.SaveProfile(*profile));
    }
}

void BareParseAndSave(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    const fs::path folder = FolderOf(count).path();
    int i = 0;
    for (auto _ : state) {
        const std::string path = (folder / (ProfileFolder::Name(i++ % count) + ".wst")).string();
        pugi::xml_document document;
        benchmark::DoNotOptimize(document.load_file(path.c_str()));
        benchmark::DoNotOptimize(document.save_file(path.c_str(), "", pugi::format_raw));
    }
}

// The baseline with our way of writing: temporary file, flush, rename.
void BareParseAndSaveFlushed(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    const fs::path folder = FolderOf(count).path();
    int i = 0;
    for (auto _ : state) {
        const fs::path path = folder / (ProfileFolder::Name(i++ % count) + ".wst");
        pugi::xml_document document;
        benchmark::DoNotOptimize(document.load_file(path.c_str()));
        std::ostringstream bytes;
        document.save(bytes, "", pugi::format_raw);
        benchmark::DoNotOptimize(WriteFileAtomically(path, bytes.str()));
    }
}

void BareParse(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    const fs::path folder = FolderOf(count).path();
    int i = 0;
    for (auto _ : state) {
        const std::string path = (folder / (ProfileFolder::Name(i++ % count) + ".wst")).string();
        pugi::xml_document document;
        benchmark::DoNotOptimize(document.load_file(path.c_str()));
    }
}

// Reads the bytes once, then parses them with both parsers, as a load does.
void BareParseAndCheck(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    const fs::path folder = FolderOf(count).path();
    int i = 0;
    for (auto _ : state) {
        std::string bytes;
        ReadFileBytes(folder / (ProfileFolder::Name(i++ % count) + ".wst"), bytes);
        XML_Parser parser = XML_ParserCreate(nullptr);
        benchmark::DoNotOptimize(
            XML_Parse(parser, bytes.data(), static_cast<int>(bytes.size()), XML_TRUE));
        XML_ParserFree(parser);
        pugi::xml_document document;
        benchmark::DoNotOptimize(document.load_buffer(bytes.data(), bytes.size()));
    }
}

void ListProfiles(benchmark::State& state)
{
    ProfileStore store(FolderOf(static_cast<int>(state.range(0))).path());
    std::vector<std::string> names;
    for (auto _ : state)
        benchmark::DoNotOptimize(store.ListProfiles(names));
    state.counters["profiles"] = static_cast<double>(names.size());
}

}  // namespace

BENCHMARK(LoadProfile)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BareParse)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BareParseAndCheck)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(SaveProfile)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(LoadAndSaveProfile)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BareParseAndSave)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BareParseAndSaveFlushed)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMicrosecond)
    ->UseRealTime();
BENCHMARK(ListProfiles)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();
