// The program's own start-up, ended after its first painted frame: the
// display checks main() makes around the toolkit's start, then the
// application and its window.

#include "app/DisplayEnvironment.h"
#include "app/EditorApp.h"
#include "app/ToolkitStartGuard.h"
#include "bench/FirstPaintProbe.h"

#include <chrono>

int main(int argc, char** argv)
{
    const auto mainStarted = std::chrono::steady_clock::now();
    const DisplayEnvironment display = DisplayEnvironment::FromProcess();
    if (display.UnreachableReason())
        return 1;
    ToolkitStartGuard guard("main_window_probe", display);
    EditorApp app(argc, argv);
    guard.End();
    const FirstPaintProbe probe(mainStarted);
    return app.Run();
}
