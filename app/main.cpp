#include "app/DisplayEnvironment.h"
#include "app/EditorApp.h"
#include "app/LaunchOptions.h"
#include "app/ToolkitStartGuard.h"
#include "app/UserDataFolder.h"
#include "session/Messages.h"
#include "text/Formatted.h"
#include "text/Translated.h"
#include "text/UserLanguage.h"

#include <QGuiApplication>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <new>
#include <optional>
#include <string>
#include <system_error>

namespace {

std::string ProgramName(int argc, char** argv)
{
    return argc > 0 ? std::filesystem::path(argv[0]).filename().string() : "quavel";
}

constexpr int kFailed = 1;

// One line on the error stream, after the program's name.
void Say(const std::string& program, const std::string& text)
{
    std::fprintf(stderr, "%s: %s\n", program.c_str(), text.c_str());
}

// A problem that keeps the window from opening.
int Fail(const std::string& program, const std::string& problem)
{
    Say(program, problem);
    return kFailed;
}

// The folder of a profile file named on the command line, which must hold it.
std::optional<std::string> EnterProfileFolder(const LaunchOptions& options)
{
    std::error_code error;
    std::filesystem::current_path(options.profileFolder, error);
    if (error)
        return Formatted(Translated("cannot enter the folder %1$s: %2$s"),
            {options.profileFolder.string(), error.message()});
    const std::string file = options.profileToOpen + ".wst";
    if (!std::filesystem::is_regular_file(file, error))
        return Formatted(
            Translated("no profile file %s"), {(options.profileFolder / file).string()});
    return std::nullopt;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string program = ProgramName(argc, argv);
    // A file-size limit then fails the write that reaches it, which is reported.
    std::signal(SIGXFSZ, SIG_IGN);
    UserLanguage::Start(TextEncoding::Utf8);
    const LaunchOptions options = LaunchOptions::FromArguments(argc, argv);
    for (const std::string& warning : options.warnings)
        Say(program, warning);
    switch (options.request) {
    case LaunchRequest::ShowHelp:
        std::fputs(LaunchHelp(program).c_str(), stdout);
        return 0;
    case LaunchRequest::ShowVersion:
        std::printf(
            "%s %s\n%s\n%s\n", program.c_str(), QUAVEL_VERSION, QUAVEL_COPYRIGHT, QUAVEL_LICENSE);
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
    if (options.startFolder == StartFolder::ProfileFolder) {
        if (const auto problem = EnterProfileFolder(options))
            return Fail(program, *problem);
    }
    // The toolkit would abort with a long platform-plugin message instead.
    const DisplayEnvironment display = DisplayEnvironment::FromProcess();
    if (const auto reason = display.UnreachableReason())
        return Fail(program, DisplayEnvironment::NoDisplayMessage(*reason));
    // Wayland takes the window's icon and its task-bar entry from the desktop entry of this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(QUAVEL_APPLICATION_ID));
    // Only the profiles' files are large enough to exhaust memory, and they
    // are read once the window is being built.
    try {
        ToolkitStartGuard guard(program, display);
        EditorApp app(argc, argv, onlyPrefix, options.profileToOpen);
        guard.End();
        return app.Run();
    } catch (const std::bad_alloc&) {
        return Fail(program, std::string(Messages::kOutOfMemory));
    }
}
