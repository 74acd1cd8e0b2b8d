#pragma once

// Runs a start-up probe (FirstPaintProbe.h) as a child process and turns its
// report into a benchmark iteration: the time from spawning the process to
// the end of its first paint (the probes report steady-clock times, the same
// clock in every process), and the counters main_to_paint_ms, the part after
// main() starts, rss_kb, resident memory at the first paint, and cpu_ms, the
// processor time of the whole run (start to exit, all threads), which the load
// of the machine does not inflate as it does the times on the clock.
// Each probe runs in a fresh, empty working folder, as a first start does.

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

extern char** environ;  // NOLINT: the environment the probes inherit

namespace probes {

struct ProbeReport {
    long long mainStarted;
    long long painted;
    long residentKilobytes;
    double processorMilliseconds;
};

// The working folder of the probes while it lives: the program lists it,
// writes its default profile there and watches it.
class ProbeWorkingFolder {
public:
    ProbeWorkingFolder()
        : previous_(std::filesystem::current_path())
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "quavel-probe-XXXXXX");
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("cannot make a working folder");
        path_ = pattern;
        std::filesystem::current_path(path_);
    }
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

// option: nullptr, or one argument for the probe.
inline void StartToFirstPaint(benchmark::State& state, const char* program, const char* option)
{
    const ProbeWorkingFolder folder;
    double mainToPaint = 0;
    double resident = 0;
    double processor = 0;
    for (auto _ : state) {
        const long long spawned = std::chrono::duration_cast<std::chrono::nanoseconds>(
            std::chrono::steady_clock::now().time_since_epoch())
                                      .count();
        const ProbeReport report = RunProbe(program, option);
        state.SetIterationTime(static_cast<double>(report.painted - spawned) / 1e9);
        mainToPaint += static_cast<double>(report.painted - report.mainStarted) / 1e6;
        resident += static_cast<double>(report.residentKilobytes);
        processor += report.processorMilliseconds;
    }
    const auto runs = static_cast<double>(state.iterations());
    state.counters["main_to_paint_ms"] = mainToPaint / runs;
    state.counters["rss_kb"] = resident / runs;
    state.counters["cpu_ms"] = processor / runs;
}

struct StartupProbes {
    const char* mainWindow;
    const char* bareDialog;
    const char* plainControls;  // the window's controls as plain Qt controls
};

// The editor against the yardstick, a bare dialog with one label, and against
// the same window built from plain Qt controls; with withoutLabel also against
// a dialog that draws no text at all.
// Runs them as main() does for a benchmark program; the exit status.
inline int RunStartupBenchmarks(
    int argc, char** argv, const StartupProbes& probes, bool withoutLabel)
{
    const auto add = [](const char* name, const char* program, const char* option) {
        benchmark::RegisterBenchmark(name, StartToFirstPaint, program, option)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond)
            ->Iterations(20);
    };
    if (withoutLabel)
        add("StartToFirstPaint/BareDialog", probes.bareDialog, nullptr);
    add("StartToFirstPaint/BareDialogWithLabel", probes.bareDialog, "--label");
    add("StartToFirstPaint/PlainQtControls", probes.plainControls, nullptr);
    add("StartToFirstPaint/MainWindow", probes.mainWindow, nullptr);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

}  // namespace probes
