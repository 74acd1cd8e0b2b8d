#include "app/DisplayEnvironment.h"
#include "app/EditorApp.h"
#include "app/LaunchOptions.h"
#include "app/UserDataFolder.h"

#include <QGuiApplication>

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

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
    // Taken from the folder the program was started in, before it moves to another.
    std::optional<std::filesystem::path> onlyPrefix;
    if (!options.prefix.empty()) {
        std::error_code ignored;
        onlyPrefix = std::filesystem::absolute(options.prefix, ignored);
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
    EditorApp app(argc, argv, onlyPrefix);
    return app.Run();
}
