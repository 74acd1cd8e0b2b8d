#include "app/DisplayEnvironment.h"
#include "app/EditorApp.h"
#include "app/LaunchOptions.h"
#include "app/UserDataFolder.h"
#include "session/Messages.h"

#include <QGuiApplication>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <new>
#include <string>

namespace {

std::string ProgramName(int argc, char** argv)
{
    return argc > 0 ? std::filesystem::path(argv[0]).filename().string() : "quavel";
}

// A problem that keeps the window from opening, in one line on the error stream.
int Fail(const std::string& program, const std::string& problem)
{
    std::fprintf(stderr, "%s: %s\n", program.c_str(), problem.c_str());
    return 1;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string program = ProgramName(argc, argv);
    // A file-size limit then fails the write that reaches it, which is reported.
    std::signal(SIGXFSZ, SIG_IGN);
    const LaunchOptions options = LaunchOptions::FromArguments(argc, argv);
    switch (options.request) {
    case LaunchRequest::ShowHelp:
        std::fputs(LaunchHelp(program).c_str(), stdout);
        return 0;
    case LaunchRequest::ShowVersion:
        std::printf("%s %s\n", program.c_str(), QUAVEL_VERSION);
        return 0;
    case LaunchRequest::OpenWindow:
        break;
    }
    // Before anything else, so that no file lands in the folder the menu started us in.
    if (options.startFolder == StartFolder::UserData) {
        if (const auto problem = UserDataFolder::FromProcess().Enter())
            return Fail(program, *problem);
    }
    // The toolkit would abort with a long platform-plugin message instead.
    if (const auto reason = DisplayEnvironment::FromProcess().UnreachableReason())
        return Fail(program, "no display to open the window on (" + *reason + ")");
    // Wayland takes the window's icon and its task-bar entry from the desktop entry of this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(QUAVEL_APPLICATION_ID));
    // Only the profiles' files are large enough to exhaust memory, and they
    // are read once the window is being built.
    try {
        EditorApp app(argc, argv);
        return app.Run();
    } catch (const std::bad_alloc&) {
        return Fail(program, std::string(Messages::kOutOfMemory));
    }
}
