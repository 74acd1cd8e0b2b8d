// The program's own start-up, ended after its first painted frame.

#include "app/EditorApp.h"
#include "bench/FirstPaintProbe.h"

#include <chrono>

int main(int argc, char** argv)
{
    const auto mainStarted = std::chrono::steady_clock::now();
    EditorApp app(argc, argv);
    const FirstPaintProbe probe(mainStarted);
    return app.Run();
}
