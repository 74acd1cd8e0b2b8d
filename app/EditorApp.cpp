#include "app/EditorApp.h"

#include "app/MainWindow.h"
#include "app/QtDialogs.h"
#include "controls/WindowStyle.h"

#include <QLibraryInfo>
#include <QLocale>

#include <string>

EditorApp::EditorApp(int& argc, char** argv, std::optional<std::filesystem::path> onlyPrefix,
    std::string profileToOpen)
    : scope_(PublishScopeOf(argc, argv))
    , onlyPrefix_(std::move(onlyPrefix))
    , profileToOpen_(std::move(profileToOpen))
    , application_(argc, argv)
{
    WindowStyle::Install();
    // Qt's own buttons (Yes, No, Cancel) in the language of the window's texts.
    if (qtTexts_.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTexts_);
}

PublishScope EditorApp::PublishScopeOf(int argc, const char* const* argv)
{
    std::string commandLine;
    for (int i = 0; i < argc; ++i)
        commandLine.append(i == 0 ? "" : " ").append(argv[i]);
    return commandLine.find("+bvrm") != std::string::npos ? PublishScope::WorkingFolderOnly
                                                           : PublishScope::Installs;
}

int EditorApp::Run()
{
    QtDialogs dialogs;
    MainWindow window(dialogs, SearchOfProcess(onlyPrefix_), scope_);
    dialogs.SetOwner(&window);
    window.show();  // start-up messages then open over the window
    window.Start(profileToOpen_);
    return window.RunModal();
}
