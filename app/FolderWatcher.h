#pragma once

// Hands the session what other programs do to the working folder while the
// window is open: a profile file that appears, vanishes or is replaced, or the
// current profile's file written in place. The session decides what follows
// (EditingSession::RefreshFromDisk). Bursts of changes are taken together, and
// none while one of the session's questions is open, since its command is
// still running.

#include <QFileSystemWatcher>
#include <QTimer>

class EditingSession;
class QWidget;

class FolderWatcher {
public:
    FolderWatcher(EditingSession& session, QWidget& window);

    // Watches the working folder and the current profile's file.
    void Watch();

private:
    void Refresh();

    EditingSession& session_;
    QWidget& window_;
    QFileSystemWatcher watcher_;
    QTimer pause_;
};
