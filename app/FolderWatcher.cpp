#include "app/FolderWatcher.h"

#include "session/EditingSession.h"

#include <QApplication>
#include <QWidget>

#include <filesystem>

namespace {

// Long enough to take a save's temporary file, rename and flush as one change.
constexpr int kPauseMilliseconds = 100;

QString PathText(const std::filesystem::path& path)
{
    return QString::fromStdString(std::filesystem::absolute(path).string());
}

}  // namespace

FolderWatcher::FolderWatcher(EditingSession& session, QWidget& window)
    : session_(session)
    , window_(window)
{
    pause_.setSingleShot(true);
    pause_.setInterval(kPauseMilliseconds);
    QObject::connect(&pause_, &QTimer::timeout, &window, [this] { Refresh(); });
    const auto changed = [this] { pause_.start(); };
    QObject::connect(&watcher_, &QFileSystemWatcher::directoryChanged, &window, changed);
    QObject::connect(&watcher_, &QFileSystemWatcher::fileChanged, &window, changed);
}

void FolderWatcher::Watch()
{
    if (watcher_.directories().isEmpty())
        watcher_.addPath(PathText("."));
    // A file replaced by renaming is a new file, and the old watch ends with it.
    if (!watcher_.files().isEmpty())
        watcher_.removePaths(watcher_.files());
    const std::filesystem::path current = session_.CurrentFile();
    if (!current.empty())
        watcher_.addPath(PathText(current));
}

void FolderWatcher::Refresh()
{
    const QWidget* modal = QApplication::activeModalWidget();
    if (modal != nullptr && modal != &window_) {
        pause_.start();
        return;
    }
    session_.RefreshFromDisk();
    Watch();
}
