#pragma once

// Runs a start-up probe (FirstPaintProbe.h) as a child process and turns its
// report into a benchmark iteration: the time from spawning the process to
// the end of its first paint (the probes report steady-clock times, the same
// clock in every process), and the counters main_to_paint_ms, the part after
// main() starts, and rss_kb, resident memory at the first paint.

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>

extern char** environ;  // NOLINT: the environment the probes inherit

namespace probes {

struct ProbeReport {
    long long mainStarted;
    long long painted;
    long residentKilobytes;
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
    ::waitpid(child, &status, 0);

    ProbeReport report{};
    if (std::sscanf(text.c_str(), "%lld %lld %ld", &report.mainStarted, &report.painted,
            &report.residentKilobytes)
        != 3)
        throw std::runtime_error(std::string(program) + " reported nothing");
    return report;
}

// option: nullptr, or one argument for the probe.
inline void StartToFirstPaint(benchmark::State& state, const char* program, const char* option)
{
    double mainToPaint = 0;
    double resident = 0;
    for (auto _ : state) {
        const long long spawned = std::chrono::duration_cast<std::chrono::nanoseconds>(
            std::chrono::steady_clock::now().time_since_epoch())
                                      .count();
        const ProbeReport report = RunProbe(program, option);
        state.SetIterationTime(static_cast<double>(report.painted - spawned) / 1e9);
        mainToPaint += static_cast<double>(report.painted - report.mainStarted) / 1e6;
        resident += static_cast<double>(report.residentKilobytes);
    }
    const auto runs = static_cast<double>(state.iterations());
    state.counters["main_to_paint_ms"] = mainToPaint / runs;
    state.counters["rss_kb"] = resident / runs;
}

}  // namespace probes
