// Publishing a real profile (the default document, 14 KB) over SFTP to one,
// eight and ten sshd servers on this machine, each beside scp of the same file
// to the same servers, as many at once as the publisher connects to (scp runs
// the same ssh and, since OpenSSH 9, the same SFTP). Eight servers take one
// round of the publisher's eight connections, ten take two. The servers are
// started once, outside the timing. Each publish goes the program's own way,
// one connection per server: it reads the file there and judges it by the
// publish journal (a journal of the benchmark's own), replaces it and records
// the publish. Per iteration, ssh_cpu_ms is the processor time of the
// ssh processes and sshd_cpu_ms that of the servers; cpu_floor_ms is both
// shared perfectly among this machine's cores, the least time anything could
// take here, since the servers share the cores with the clients. Each runs
// with OpenSSH's default key exchange (first argument 0; post-quantum, most of
// ssh's time) and with curve25519-sha256 alone (1), as a user may choose in
// ssh_config.

#include "profile/ProfileStore.h"
#include "session/PublishTargets.h"
#include "tests/support/SshWorld.h"
#include "tests/support/StateHome.h"
#include "transport/ParallelPublish.h"

#include <benchmark/benchmark.h>

namespace fs = std::filesystem;

#include <sys/resource.h>

#include <atomic>
#include <thread>

namespace {

constexpr std::size_t kServers = 10;

// Processor time of the child processes that have ended, in milliseconds.
double ChildrenMilliseconds()
{
    rusage usage{};
    ::getrusage(RUSAGE_CHILDREN, &usage);
    const auto milliseconds = [](const timeval& time) {
        return static_cast<double>(time.tv_sec) * 1000 + static_cast<double>(time.tv_usec) / 1000;
    };
    return milliseconds(usage.ru_utime) + milliseconds(usage.ru_stime);
}

SshWorld& World()
{
    static SshWorld world(kServers);
    return world;
}

double ServersMilliseconds()
{
    double sum = 0;
    for (std::size_t index = 0; index < kServers; ++index)
        sum += World().server(index).ProcessorMilliseconds();
    return sum;
}

// Counts the clients' and the servers' time per iteration once the state's
// loop is over.
class ProcessorTime {
public:
    explicit ProcessorTime(benchmark::State& state)
        : state_(state)
        , clients_(ChildrenMilliseconds())
        , servers_(ServersMilliseconds())
    {
    }
    ~ProcessorTime()
    {
        const double clients = ChildrenMilliseconds() - clients_;
        const double servers = ServersMilliseconds() - servers_;
        const auto perIteration = [](double value) {
            return benchmark::Counter(value, benchmark::Counter::kAvgIterations);
        };
        state_.counters["ssh_cpu_ms"] = perIteration(clients);
        state_.counters["sshd_cpu_ms"] = perIteration(servers);
        state_.counters["cpu_floor_ms"] = perIteration(
            (clients + servers) / static_cast<double>(std::thread::hardware_concurrency()));
    }

private:
    benchmark::State& state_;
    double clients_;
    double servers_;
};

// The world's client configuration, or the same with only curve25519-sha256
// offered: ssh keeps the first value it reads for an option.
fs::path ClientConfiguration(const benchmark::State& state)
{
    if (state.range(0) == 0)
        return World().path() / "ssh_config";
    const fs::path path = World().path() / "ssh_config_curve25519";
    World().Write(
        path.filename(), "KexAlgorithms curve25519-sha256\n" + World().Read("ssh_config"));
    return path;
}

PublishDestination Server(std::size_t index)
{
    const std::string install = "server" + std::to_string(index);
    fs::create_directories(World().home() / install);
    return LocationDestination(
        *ParseLocation("sftp://127.0.0.1:" + std::to_string(World().port(index)) + "/~/" + install)
             .location);
}

// scp of the profile to each of the first count servers, at most as many at
// once as the publisher connects to: OpenSSH's own time for the same work.
// Whether every copy succeeded.
bool CopyWithScp(const fs::path& configuration, std::size_t count)
{
    std::atomic<std::size_t> next = 0;
    std::atomic<bool> failed = false;
    {
        std::vector<std::jthread> workers;
        for (std::size_t worker = 0; worker < std::min(count, kMostConnections); ++worker) {
            workers.emplace_back([&] {
                for (std::size_t index = next++; index < count; index = next++) {
                    const std::string folder = "scp" + std::to_string(index);
                    fs::create_directories(World().home() / folder);
                    const std::vector<std::string> command{"scp", "-q", "-F",
                        configuration.string(), "-P", std::to_string(World().port(index)),
                        DEFAULT_PROFILE, "127.0.0.1:" + folder + "/CustomCombat.wst"};
                    if (RunProgram(command, {}, {}, std::chrono::seconds(30)).status != 0)
                        failed = true;
                }
            });
        }
    }
    return !failed;
}

void ScpToServers(benchmark::State& state)
{
    const ProcessorTime processorTime(state);
    const auto count = static_cast<std::size_t>(state.range(1));
    const fs::path configuration = ClientConfiguration(state);
    for (auto _ : state) {
        if (!CopyWithScp(configuration, count))
            state.SkipWithError("scp failed");
    }
}

void PublishToServers(benchmark::State& state)
{
    const ProcessorTime processorTime(state);
    const StateHome journal;
    const TestFolder work;
    work.Write("Default.wst", FileBytes(DEFAULT_PROFILE));
    ProfileStore store(work.path());
    const std::optional<Profile> profile = store.LoadProfile("Default");
    std::vector<PublishDestination> destinations;
    for (std::int64_t index = 0; index < state.range(1); ++index)
        destinations.push_back(Server(static_cast<std::size_t>(index)));
    TransportOptions options = World().Options();
    options.sshConfigFile = ClientConfiguration(state);
    for (auto _ : state) {
        for (const TransportResult& result :
            PublishToDestinations(store, *profile, destinations, Backup::None, options)) {
            if (!result.IsDone())
                state.SkipWithError(result.reason.c_str());
        }
    }
}

}  // namespace

BENCHMARK(ScpToServers)
    ->ArgsProduct({{0, 1}, {1, 8, 10}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(PublishToServers)
    ->ArgsProduct({{0, 1}, {1, 8, 10}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_MAIN();
