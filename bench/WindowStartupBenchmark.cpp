// Start-up of the editor against a bare Qt dialog program, each run as a
// child process on the offscreen platform until its first painted window
// (ProbeRunner.h tells what is measured).

#include "bench/ProbeRunner.h"

#include <cstdlib>

using probes::StartToFirstPaint;

BENCHMARK_CAPTURE(StartToFirstPaint, BareDialog, BARE_DIALOG_PROBE, nullptr)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);
// What drawing any text at all adds: the font system starts and glyphs are rendered.
BENCHMARK_CAPTURE(StartToFirstPaint, BareDialogWithLabel, BARE_DIALOG_PROBE, "--label")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);
BENCHMARK_CAPTURE(StartToFirstPaint, MainWindow, MAIN_WINDOW_PROBE, nullptr)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);

int main(int argc, char** argv)
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
