#pragma once

// The application: the toolkit, the one command-line switch and the modal run
// of the main window, which is the program's whole interactive life.

#include "session/EditingSession.h"

#include <QApplication>
#include <QTranslator>

#include <filesystem>
#include <optional>
#include <string>

class EditorApp {
public:
    // Reads the switch before the toolkit takes its own options out of argv.
    // With onlyPrefix the installs are looked for in that Wine prefix alone.
    // profileToOpen is shown first when the working folder has it.
    EditorApp(int& argc, char** argv, std::optional<std::filesystem::path> onlyPrefix = {},
        std::string profileToOpen = {});

    // Shows the main window modally until it is closed; the exit status.
    int Run();

    // Publishing only into the working folder when "+bvrm" occurs anywhere in
    // the arguments joined by spaces, program path included; letter case counts.
    static PublishScope PublishScopeOf(int argc, const char* const* argv);

private:
    PublishScope scope_;
    std::optional<std::filesystem::path> onlyPrefix_;
    std::string profileToOpen_;
    QApplication application_;
    QTranslator qtTexts_;
};
