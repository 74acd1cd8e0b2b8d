#include "app/EditorApp.h"

#include "app/MainWindow.h"
#include "app/QtDialogs.h"
#include "controls/WindowStyle.h"

#include <string>

EditorApp::EditorApp(int& argc, char** argv, std::optional<std::filesystem::path> onlyPrefix,
    std::string profileToOpen)
    : workingFolderOnly_(HasWorkingFolderSwitch(argc, argv))
    , onlyPrefix_(std::move(onlyPrefix))
    , profileToOpen_(std::move(profileToOpen))
    , application_(argc, argv)
{
    WindowStyle::Install();
}

bool EditorApp::HasWorkingFolderSwitch(int argc, const char* const* argv)
{
    std::string commandLine;
    for (int i = 0; i < argc; ++i)
        commandLine.append(i == 0 ? "" : " ").append(argv[i]);
    return commandLine.find("+bvrm") != std::string::npos;
}

int EditorApp::Run()
{
    QtDialogs dialogs;
    MainWindow window(dialogs, SearchOfProcess(onlyPrefix_),
        workingFolderOnly_ ? PublishScope::WorkingFolderOnly : PublishScope::Installs);
    dialogs.SetOwner(&window);
    window.show();  // start-up messages then open over the window
    window.Start(profileToOpen_);
    return window.RunModal();
}
