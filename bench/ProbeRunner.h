#pragma once

// Runs the start-up probes (FirstPaintProbe.h) as child processes, in
// interleaved rounds, and reports each probe's runs as a benchmark: as the
// iteration time, the time from spawning the process to the end of its first
// paint (the probes report steady-clock times, the same clock in every
// process); as counters, the medians of that (start_to_paint_median_ms), of
// the part after main() starts (main_to_paint_ms), of the resident memory at
// the first paint (rss_kb) and of the processor time of the whole run, start
// to exit, all threads (cpu_ms), which the load of the machine does not
// inflate as it does the times on the clock. The editor's row adds its
// medians over those of the plain controls (time_vs_plain, cpu_vs_plain,
// rss_vs_plain), and a last line repeats them.

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

extern char** environ;  // NOLINT: the environment the probes inherit

namespace probes {

struct ProbeReport {
    long long mainStarted;
    long long painted;
    long residentKilobytes;
    double processorMilliseconds;
};

// A working folder for a probe's runs while it lives: the program lists it,
// writes its default profile there and watches it. Enter() makes it the
// current folder, in which the probes start.
class ProbeWorkingFolder {
public:
    ProbeWorkingFolder()
        : previous_(std::filesystem::current_path())
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "quavel-probe-XXXXXX");
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("cannot make a working folder");
        path_ = pattern;
    }
    void Enter() const { std::filesystem::current_path(path_); }
    ~ProbeWorkingFolder()
    {
        std::filesystem::current_path(previous_);
        std::filesystem::remove_all(path_);
    }
    ProbeWorkingFolder(const ProbeWorkingFolder&) = delete;
    ProbeWorkingFolder& operator=(const ProbeWorkingFolder&) = delete;

private:
    std::filesystem::path previous_;
    std::filesystem::path path_;
};

inline ProbeReport RunProbe(const char* program, const char* option)
{
    int output[2];
    if (::pipe(output) != 0)
        throw std::runtime_error("pipe failed");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, output[0]);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    char* const arguments[] = {const_cast<char*>(program), const_cast<char*>(option), nullptr};
    pid_t child = 0;
    const int failed = ::posix_spawn(&child, program, &actions, nullptr, arguments, environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(output[1]);
    if (failed != 0)
        throw std::runtime_error(std::string("cannot start ") + program);

    std::string text;
    char buffer[256];
    for (ssize_t got; (got = ::read(output[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<std::size_t>(got));
    ::close(output[0]);
    int status = 0;
    rusage usage{};
    ::wait4(child, &status, 0, &usage);

    ProbeReport report{};
    if (std::sscanf(text.c_str(), "%lld %lld %ld", &report.mainStarted, &report.painted,
            &report.residentKilobytes)
        != 3)
        throw std::runtime_error(std::string(program) + " reported nothing");
    for (const timeval& time : {usage.ru_utime, usage.ru_stime})
        report.processorMilliseconds
            += static_cast<double>(time.tv_sec) * 1e3 + static_cast<double>(time.tv_usec) / 1e3;
    return report;
}

struct StartupProbes {
    const char* mainWindow;
    const char* bareDialog;
    const char* plainControls;  // the window's controls as plain Qt controls
};

struct Probe {
    const char* name;
    const char* program;
    const char* option;  // nullptr, or one argument for the probe
};

// What one start took, in milliseconds and kB.
struct ProbeRun {
    double startToPaint;
    double mainToPaint;
    double resident;
    double processor;
};

inline double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 != 0 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

inline double MedianOf(const std::vector<ProbeRun>& runs, double ProbeRun::*measure)
{
    std::vector<double> values;
    for (const ProbeRun& run : runs)
        values.push_back(run.*measure);
    return Median(values);
}

// The probes run in rounds, each once per round, in turn, and in the other
// order in the next round, so that a change in the machine's load reaches
// all of them alike; a probe's runs share a working folder, which from the
// second run on holds what the first wrote, as a folder of later starts does.
inline std::vector<std::vector<ProbeRun>> RunInRounds(const std::vector<Probe>& probes, int rounds)
{
    std::vector<std::unique_ptr<ProbeWorkingFolder>> folders;
    for (std::size_t probe = 0; probe < probes.size(); ++probe)
        folders.push_back(std::make_unique<ProbeWorkingFolder>());
    std::vector<std::vector<ProbeRun>> runs(probes.size());
    for (int round = 0; round < rounds; ++round) {
        for (std::size_t turn = 0; turn < probes.size(); ++turn) {
            const std::size_t probe = round % 2 == 0 ? turn : probes.size() - 1 - turn;
            folders[probe]->Enter();
            const long long spawned = std::chrono::duration_cast<std::chrono::nanoseconds>(
                std::chrono::steady_clock::now().time_since_epoch())
                                          .count();
            const ProbeReport report = RunProbe(probes[probe].program, probes[probe].option);
            runs[probe].push_back({static_cast<double>(report.painted - spawned) / 1e6,
                static_cast<double>(report.painted - report.mainStarted) / 1e6,
                static_cast<double>(report.residentKilobytes), report.processorMilliseconds});
        }
    }
    return runs;
}

// Replays one probe's runs as the benchmark's iterations, with the medians as
// counters; for the editor also the ratios of its medians to those of the
// plain controls.
inline void Replay(benchmark::State& state, const std::vector<ProbeRun>* runs,
    const std::vector<ProbeRun>* plainControls)
{
    std::size_t next = 0;
    for (auto _ : state)
        state.SetIterationTime((*runs)[next++ % runs->size()].startToPaint / 1e3);
    state.counters["start_to_paint_median_ms"] = MedianOf(*runs, &ProbeRun::startToPaint);
    state.counters["main_to_paint_ms"] = MedianOf(*runs, &ProbeRun::mainToPaint);
    state.counters["rss_kb"] = MedianOf(*runs, &ProbeRun::resident);
    state.counters["cpu_ms"] = MedianOf(*runs, &ProbeRun::processor);
    if (plainControls == nullptr)
        return;
    for (const auto& [name, measure] : {std::pair{"time_vs_plain", &ProbeRun::startToPaint},
             std::pair{"cpu_vs_plain", &ProbeRun::processor},
             std::pair{"rss_vs_plain", &ProbeRun::resident}})
        state.counters[name] = MedianOf(*runs, measure) / MedianOf(*plainControls, measure);
}

// The editor against the yardstick, a bare dialog with one label, and against
// the same window built from plain Qt controls; with withoutLabel also against
// a dialog that draws no text at all. Ends with the line of the two figures
// that matter, editor / plain controls. Runs them as main() does for a
// benchmark program; the exit status.
inline int RunStartupBenchmarks(
    int argc, char** argv, const StartupProbes& programs, bool withoutLabel)
{
    constexpr int kRounds = 30;
    benchmark::Initialize(&argc, argv);
    std::vector<Probe> probes;
    if (withoutLabel)
        probes.push_back({"StartToFirstPaint/BareDialog", programs.bareDialog, nullptr});
    probes.push_back({"StartToFirstPaint/BareDialogWithLabel", programs.bareDialog, "--label"});
    probes.push_back({"StartToFirstPaint/PlainQtControls", programs.plainControls, nullptr});
    probes.push_back({"StartToFirstPaint/MainWindow", programs.mainWindow, nullptr});
    const std::vector<std::vector<ProbeRun>> runs = RunInRounds(probes, kRounds);
    const std::vector<ProbeRun>& plain = runs[probes.size() - 2];
    const std::vector<ProbeRun>& editor = runs.back();
    for (std::size_t probe = 0; probe < probes.size(); ++probe) {
        benchmark::RegisterBenchmark(
            probes[probe].name, Replay, &runs[probe], probe + 1 == probes.size() ? &plain : nullptr)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond)
            ->Iterations(kRounds);
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::printf("Editor / plain Qt controls, medians of %d interleaved starts: start-up time "
                "%.3fx, processor time %.3fx, resident memory %.3fx\n",
        kRounds,
        MedianOf(editor, &ProbeRun::startToPaint) / MedianOf(plain, &ProbeRun::startToPaint),
        MedianOf(editor, &ProbeRun::processor) / MedianOf(plain, &ProbeRun::processor),
        MedianOf(editor, &ProbeRun::resident) / MedianOf(plain, &ProbeRun::resident));
    return 0;
}

}  // namespace probes
