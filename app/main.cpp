#include "app/DisplayEnvironment.h"
#include "app/EditorApp.h"

#include <cstdio>
#include <filesystem>
#include <string>

int main(int argc, char** argv)
{
    // The toolkit would abort with a long platform-plugin message instead.
    if (const auto reason = DisplayEnvironment::FromProcess().UnreachableReason()) {
        const std::string program
            = argc > 0 ? std::filesystem::path(argv[0]).filename().string() : "quavel";
        std::fprintf(stderr, "%s: no display to open the window on (%s)\n", program.c_str(),
            reason->c_str());
        return 1;
    }
    EditorApp app(argc, argv);
    return app.Run();
}
