#include "app/MainWindow.h"

#include "app/AboutBox.h"
#include "app/ControlBuilder.h"
#include "app/DialogUnits.h"
#include "app/Pictures.h"
#include "app/RoutingTable.h"
#include "editor/ControlIds.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QComboBox>
#include <QListWidget>

MainWindow::MainWindow(Dialogs& dialogs, bool workingFolderOnly, QWidget* parent)
    : QDialog(parent,
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , controls_(BuildControls(*this))
    , editor_(controls_, dialogs)
{
    setWindowTitle(QStringLiteral("Battlefield Vietnam Quavel v1.0 beta 1a"));
    setWindowIcon(ApplicationIcon());
    setFixedSize(DialogUnitsToPixels(QRect(QPoint(), kClientSizeInDialogUnits), font()).size());
    for (const Route& route : routingTable)
        Connect(route);
    editor_.state.workingFolderOnly = workingFolderOnly;
    editor_.Start();
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
        connect(&controls_.Get<QAbstractButton>(route.id), &QAbstractButton::clicked, this, run);
        break;
    case Notification::Activated:
        connect(&controls_.Get<QComboBox>(route.id), &QComboBox::activated, this, run);
        break;
    case Notification::SelectionChanged:
        connect(
            &controls_.Get<QListWidget>(route.id), &QListWidget::itemSelectionChanged, this, run);
        break;
    }
}

void MainWindow::Run(Action action, int id)
{
    switch (action) {
    case Action::TeamChanged:
        editor_.teamKit.TeamChanged(FindTeamSide(id).value());
        break;
    case Action::ApplyClassBox: {
        const ClassRowPosition position = FindClassRow(id).value();
        editor_.teamKit.ApplyClassBox(position.side, position.row);
        break;
    }
    case Action::UpdateClassBox: {
        const ClassRowPosition position = FindClassRow(id).value();
        editor_.teamKit.UpdateClassBox(position.side, position.row);
        break;
    }
    case Action::MarkModified:
        editor_.state.SetModified(true);
        break;
    case Action::ApplyMapFilter:
        editor_.vehicles.ApplyMapFilter();
        break;
    case Action::ResetVehicleSubstitutes:
        editor_.vehicles.ResetVehicleSubstitutes();
        break;
    case Action::ShowAbout:
        ShowAbout();
        break;
    case Action::Quit:
        close();  // the same path as the window's close box
        break;
    case Action::SwitchProfile:
        editor_.profiles.SwitchToSelected();
        break;
    case Action::NewProfile:
        editor_.profiles.New();
        break;
    case Action::SaveProfile:
        editor_.profiles.Save();
        break;
    case Action::RevertProfile:
        editor_.profiles.Revert();
        break;
    case Action::SaveProfileAs:
        editor_.profiles.SaveAs();
        break;
    case Action::Publish:
        editor_.publisher.Publish();
        break;
    }
    // Ends the modal run without the close path: there is nothing left to save.
    if (editor_.state.fatalError)
        done(kFatalExitCode);
}

int MainWindow::RunModal()
{
    if (!editor_.state.fatalError)
        exec();
    return editor_.state.fatalError ? kFatalExitCode : 0;
}

void MainWindow::ShowAbout()
{
    AboutBox about(this);
    about.exec();
}

void MainWindow::reject() { }

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!editor_.Close()) {
        event->ignore();
        return;
    }
    event->accept();
    done(QDialog::Rejected);
}
