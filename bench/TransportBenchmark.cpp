// Publishing a real profile (the default document, 14 KB) over SFTP to sshd
// servers on this machine: to one, beside scp of the same file to the same
// server (scp runs the same ssh and, since OpenSSH 9, the same SFTP), and to
// ten at once. The servers are started once, outside the timing; each
// publish makes its own connection, as the program does. ssh_cpu_ms is the
// processor time of the ssh processes per iteration: with OpenSSH's default
// post-quantum key exchange most of it is the handshake, and the ten servers
// share this machine's cores with the ten clients.

#include "transport/ParallelPublish.h"

#include "tests/support/SshWorld.h"

#include <benchmark/benchmark.h>

namespace fs = std::filesystem;

#include <sys/resource.h>

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

// Counts the ssh processes' time per iteration once the state's loop is over.
class ChildTime {
public:
    explicit ChildTime(benchmark::State& state)
        : state_(state)
        , start_(ChildrenMilliseconds())
    {
    }
    ~ChildTime()
    {
        state_.counters["ssh_cpu_ms"] = benchmark::Counter(
            ChildrenMilliseconds() - start_, benchmark::Counter::kAvgIterations);
    }

private:
    benchmark::State& state_;
    double start_;
};

SshWorld& World()
{
    static SshWorld world(kServers);
    return world;
}

const std::string& Profile()
{
    static const std::string bytes = FileBytes(DEFAULT_PROFILE);
    return bytes;
}

std::unique_ptr<Destination> Server(std::size_t index)
{
    const std::string install = "server" + std::to_string(index);
    fs::create_directories(World().home() / install);
    const LocationParse parse = ParseLocation(
        "sftp://127.0.0.1:" + std::to_string(World().port(index)) + "/~/" + install);
    return MakeDestination(*parse.location, World().Options());
}

void PublishToOneServer(benchmark::State& state)
{
    const ChildTime childTime(state);
    const std::unique_ptr<Destination> destination = Server(0);
    for (auto _ : state) {
        if (!destination->Publish(Profile(), Backup::None, {}).IsDone())
            state.SkipWithError("publish failed");
    }
}

void ScpToOneServer(benchmark::State& state)
{
    const ChildTime childTime(state);
    fs::create_directories(World().home() / "scp");
    const std::vector<std::string> command{"scp", "-q", "-F",
        (World().path() / "ssh_config").string(), "-P", std::to_string(World().port(0)),
        DEFAULT_PROFILE, "127.0.0.1:scp/CustomCombat.wst"};
    for (auto _ : state) {
        if (RunProgram(command, {}, {}, std::chrono::seconds(30)).status != 0)
            state.SkipWithError("scp failed");
    }
}

void PublishToTenServers(benchmark::State& state)
{
    const ChildTime childTime(state);
    std::vector<std::unique_ptr<Destination>> owned;
    ParallelPublish request;
    request.bytes = Profile();
    for (std::size_t index = 0; index < kServers; ++index) {
        owned.push_back(Server(index));
        request.destinations.push_back(owned.back().get());
    }
    for (auto _ : state) {
        for (const TransportResult& result : PublishEverywhere(request)) {
            if (!result.IsDone())
                state.SkipWithError(result.reason.c_str());
        }
    }
}

}  // namespace

BENCHMARK(ScpToOneServer)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(PublishToOneServer)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(PublishToTenServers)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_MAIN();
