#pragma once

// The editor's one window, shown modally for the whole life of the program.
//
// How data flows: a profile file (NAME.wst in the working folder) is read by
// the ProfileStore into the Profile record of the EditingSession, which the
// window shows through its three panels (teams and kits, weapon slots,
// vehicles). Each user action on a control goes through the routing table to
// a panel, which hands it to the session as an edit of that record, or
// straight to a session command (New, Save, Publish, ...). The session writes
// the record into its held document and saves that as the file again, and
// tells the window what to show through the SessionView calls below.
//
// The window itself only builds its controls from the control table, routes
// the user's actions, shows what the session reports and keeps every way of
// closing on the one close path. The one way around it is a fatal condition
// (a working folder or Default.wst that cannot be written), which ends the
// window at once and the program with kFatalExitCode. Changes that other
// programs make to the working folder reach the session through the
// FolderWatcher. Ctrl+Z and Ctrl+Shift+Z walk the session's undo history,
// and Ctrl+D or the profile list's menu compare the profile with another.

#include "app/FolderWatcher.h"
#include "app/HoldingTips.h"
#include "app/InstallsMenu.h"
#include "app/ProfileListMenu.h"
#include "app/ServerHoldings.h"
#include "panels/ProfileListBox.h"
#include "panels/PublishTargetButtons.h"
#include "panels/TeamKitPanel.h"
#include "panels/VehiclePanel.h"
#include "panels/WeaponSlotPanel.h"
#include "panels/WindowControls.h"
#include "session/EditingSession.h"
#include "session/SessionView.h"

#include <QDialog>

class Dialogs;
enum class Action;
struct Route;
struct Shortcut;

class MainWindow : public QDialog, private SessionView {
    Q_OBJECT
public:
    // search tells where the installs are looked for (the process's own
    // environment and settings for the program, a fake home in tests).
    MainWindow(Dialogs& dialogs, const InstallSearch& search,
        PublishScope scope = PublishScope::Installs, QWidget* parent = nullptr);

    const EditingSession& session() const { return session_; }

    // Reads the profiles and finds the installs. Called once the window is
    // built and the dialogs know it as their owner, so that start-up messages
    // show over the window.
    void Start(const std::string& profileToOpen = {});
    // Shows the window modally until it is closed, unless start-up has
    // already failed; the program's exit status.
    int RunModal();
    static constexpr int kFatalExitCode = 1;

    // Escape would end a dialog here without asking about unsaved edits;
    // the window ends only through its close path.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    static WindowControls BuildControls(QWidget& window);
    void Connect(const Route& route);
    void AddShortcut(const Shortcut& shortcut);
    void Run(Action action, int id);
    void ShowAbout();
    // The compare window, with the profile list's entry chosen, or else what
    // the checked "Publish To" target holds (the server's file for "Both").
    void Compare(int entry = -1);

    void ShowProfile(const Profile& profile) override;
    void ShowProfileEntries(const std::vector<std::string>& entries) override;
    void ShowSelectedEntry(int entry) override;
    void ShowSaveAndRevert(bool enabled) override;
    void ShowPublishTargets(const PublishTargets& targets) override;

    WindowControls controls_;
    TeamKitPanel teamKit_;
    WeaponSlotPanel weaponSlots_;
    VehiclePanel vehicles_;
    ProfileListBox profileList_;
    PublishTargetButtons publishTargets_;
    EditingSession session_;
    FolderWatcher folderWatcher_;
    ServerHoldings serverHoldings_;
    InstallsMenu installsMenu_;
    HoldingTips holdingTips_;
    ProfileListMenu profileListMenu_;
    InstallSearch search_;  // kept for Start()
    PublishScope scope_;
};
