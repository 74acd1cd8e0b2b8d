#include "app/MainWindow.h"

#include "app/AboutBox.h"
#include "app/CompareWindow.h"
#include "app/ControlBuilder.h"
#include "app/DialogUnits.h"
#include "app/Pictures.h"
#include "app/RoutingTable.h"
#include "app/ShortcutTable.h"

#include <QCloseEvent>
#include <QShortcut>

MainWindow::MainWindow(
    Dialogs& dialogs, const InstallSearch& search, PublishScope scope, QWidget* parent)
    : QDialog(parent,
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , controls_(BuildControls(*this))
    , teamKit_(controls_)
    , weaponSlots_(controls_)
    , vehicles_(controls_)
    , profileList_(controls_)
    , publishTargets_(controls_)
    , session_(dialogs, *this)
    , folderWatcher_(session_, *this)
    , installsMenu_(
          *this, controls_.Get<ControlId::PublishToServer>(), session_, serverHoldings_, scope)
    , holdingTips_(publishTargets_, session_, serverHoldings_)
    , profileListMenu_(
          controls_.Get<ControlId::ProfileList>(), [this](int entry) { Compare(entry); })
    , search_(search)
    , scope_(scope)
{
    setWindowTitle(QStringLiteral("Battlefield Vietnam Quavel v1.0 beta 1a"));
    setWindowIcon(ApplicationIcon());
    setFixedSize(DialogUnitsToPixels(QRect(QPoint(), kClientSizeInDialogUnits), font()).size());
    for (const Route& route : routingTable)
        Connect(route);
    for (const Shortcut& shortcut : shortcutTable)
        AddShortcut(shortcut);
    vehicles_.FillMapFilter();
    teamKit_.ApplyAppearance();
    teamKit_.FillTeamLists();
    vehicles_.FillVehicleLists();
}

void MainWindow::Start(const std::string& profileToOpen)
{
    session_.Start(search_, scope_, profileToOpen);
    folderWatcher_.Watch();
}

WindowControls MainWindow::BuildControls(QWidget& window)
{
    WindowControls controls;
    ControlBuilder(window).Build(controlTable, controls);
    return controls;
}

void MainWindow::Connect(const Route& route)
{
    const auto run = [this, route] { Run(route.action, route.id); };
    switch (route.notification) {
    case Notification::Clicked:
        connect(&controls_.GetAs<QAbstractButton>(route.id), &QAbstractButton::clicked, this, run);
        break;
    case Notification::Activated:
        connect(&controls_.GetAs<QComboBox>(route.id), &QComboBox::activated, this, run);
        break;
    case Notification::SelectionChanged:
        connect(
            &controls_.GetAs<QListWidget>(route.id), &QListWidget::itemSelectionChanged, this, run);
        break;
    }
}

void MainWindow::AddShortcut(const Shortcut& shortcut)
{
    const QKeySequence keys(shortcut.keys);
    if (IsWindowAction(shortcut.action)) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this,
            [this, action = shortcut.action] { Run(action, ControlId::None); });
        return;
    }
    auto& button = controls_.GetAs<QAbstractButton>(ButtonOf(shortcut.action));
    connect(new QShortcut(keys, this), &QShortcut::activated, &button, &QAbstractButton::click);
    button.setToolTip(QStringLiteral("%1 (%2)").arg(
        button.accessibleName(), keys.toString(QKeySequence::NativeText)));
}

void MainWindow::Run(Action action, int id)
{
    switch (action) {
    case Action::ChooseTeam:
        teamKit_.TeamChosen(session_, FindTeamSide(id).value());
        break;
    case Action::ClickClassBox: {
        const ClassRowPosition position = FindClassRow(id).value();
        teamKit_.ClassBoxClicked(session_, position.side, position.row);
        break;
    }
    case Action::ClickKitBox: {
        const ClassRowPosition position = FindClassRow(id).value();
        teamKit_.KitBoxClicked(session_, position.side, position.row);
        break;
    }
    case Action::ClickWeaponBox: {
        const WeaponSlotPosition position = FindWeaponSlot(id).value();
        weaponSlots_.WeaponClicked(session_, position.side, position.slot);
        break;
    }
    case Action::ChooseSubstitute:
        vehicles_.SubstituteChosen(session_, id - ControlId::FirstVehicle);
        break;
    case Action::ApplyMapFilter:
        vehicles_.ApplyMapFilter();
        break;
    case Action::ResetSubstitutes:
        vehicles_.ResetClicked(session_);
        break;
    case Action::ShowAbout:
        ShowAbout();
        break;
    case Action::Quit:
        close();  // the same path as the window's close box
        break;
    case Action::SwitchProfile:
        session_.SwitchTo(profileList_.SelectedRow());
        break;
    case Action::NewProfile:
        session_.New();
        break;
    case Action::SaveProfile:
        session_.Save();
        break;
    case Action::RevertProfile:
        session_.Revert();
        break;
    case Action::SaveProfileAs:
        session_.SaveAs();
        break;
    case Action::Publish:
        session_.Publish(publishTargets_.Checked());
        holdingTips_.ShowAll();
        break;
    case Action::Undo:
        session_.Undo();
        break;
    case Action::Redo:
        session_.Redo();
        break;
    case Action::Compare:
        Compare();
        break;
    }
    session_.TellRestoredFiles();
    // Ends the modal run without the close path: there is nothing left to save.
    if (session_.failed())
        done(kFatalExitCode);
    folderWatcher_.Watch();  // the current profile may be another file now
}

void MainWindow::ShowProfile(const Profile& profile)
{
    teamKit_.ShowTeams(profile);
    weaponSlots_.ShowWeapons(profile);
    teamKit_.ShowKits(profile);
    vehicles_.ShowVehicles(profile);
}

void MainWindow::ShowProfileEntries(const std::vector<std::string>& entries)
{
    profileList_.ShowEntries(entries);
}

void MainWindow::ShowSelectedEntry(int entry)
{
    profileList_.Select(entry);
}

void MainWindow::ShowSaveAndRevert(bool enabled)
{
    controls_.Get<ControlId::SaveButton>().setEnabled(enabled);
    controls_.Get<ControlId::RevertButton>().setEnabled(enabled);
}

void MainWindow::ShowPublishTargets(const PublishTargets& targets)
{
    publishTargets_.Offer(targets);
    holdingTips_.ShowAll();
}

int MainWindow::RunModal()
{
    if (!session_.failed())
        exec();
    return session_.failed() ? kFatalExitCode : 0;
}

void MainWindow::Compare(int entry)
{
    CompareWindow window(session_, this);
    const PublishTarget checked = publishTargets_.Checked().value_or(PublishTarget::WorkingFolder);
    window.ChooseTarget(checked == PublishTarget::Both ? PublishTarget::Server : checked);
    if (entry >= 0)
        window.ChooseEntry(entry);
    window.exec();
}

void MainWindow::ShowAbout()
{
    AboutBox about(this);
    about.exec();
}

void MainWindow::reject() { }

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!session_.Close()) {
        event->ignore();
        return;
    }
    event->accept();
    done(QDialog::Rejected);
}
