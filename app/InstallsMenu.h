#pragma once

// The context menu of the "Publish To" box: for the server, the game and the
// working folder what their CustomCombat.wst holds (see DestinationHolding),
// the installs of the server and of the game that were found, each with the
// prefix or chosen folder it came from and the one in use checked, the files
// the search had to skip and why,
// then "Choose Game Folder...", "Choose Server Folder..." and "Forget Chosen
// Folders"; then the named servers, checked when "Server" publishes to them
// (a click changes that), each with "Remove", "Add Remote Server..." and
// "Import From Server", a profile made of a server's CustomCombat.wst. Every choice goes to the
// session, which remembers it and offers the publish targets again. Started with +bvrm, the window
// publishes into the working folder alone: the menu then only says so, since no choice of folder
// could change that.

#include "session/PublishTargets.h"

#include <QObject>

class EditingSession;
enum class PublishScope;
class QMenu;
class QPoint;
class QWidget;
class ServerHoldings;

class InstallsMenu : public QObject {
public:
    // Offers the menu on the group box around anchor and on the buttons inside it.
    InstallsMenu(QWidget& window, const QWidget& anchor, EditingSession& session,
        ServerHoldings& servers, PublishScope scope);

protected:
    // A disabled button takes a right click without passing it on, so the
    // request is caught before the button sees it.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Fill(QMenu& menu);
    void AddInstalls(QMenu& menu);
    void AddFolderChoices(QMenu& menu);
    void AddHolding(QMenu& menu, PublishTarget target);
    void AddServers(QMenu& menu);
    void AddImports(QMenu& menu);
    void AddServer();
    void Import(const PublishDestination& source);

    QWidget& window_;
    EditingSession& session_;
    ServerHoldings& servers_;
    PublishScope scope_;
};
