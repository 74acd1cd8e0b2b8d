// Start-up of the editor against the same window built from plain Qt
// controls and against bare Qt dialog programs, each run as a child process
// on the offscreen platform until its first painted window (ProbeRunner.h
// tells what is measured).

#include "bench/ProbeRunner.h"

#include <cstdlib>

int main(int argc, char** argv)
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // The dialog without a label shows what drawing any text at all adds:
    // the font system starts and glyphs are rendered.
    return probes::RunStartupBenchmarks(
        argc, argv, {MAIN_WINDOW_PROBE, BARE_DIALOG_PROBE, PLAIN_CONTROLS_PROBE}, true);
}
