#pragma once

// The editor's one window, shown modally for the whole life of the program.
//
// How data flows: a profile file (NAME.wst in the working folder) is read by
// the ProfileStore into a Profile record, which Editor::ProfileToControls
// copies into the controls of the three panels (teams and kits, weapon slots,
// vehicles). From then on the edits live in the controls; EditorState only
// notes that there are some. Right before a write, Editor::ControlsToProfile
// copies the controls back into the record, and the ProfileStore writes the
// record into its held document and saves that as the file again.
//
// The window itself only builds its controls from the control table, routes
// the user's actions on them through the routing table to the Editor, and
// keeps every way of closing on the one close path. The one way around it is
// a fatal condition (a working folder or Default.wst that cannot be written),
// which ends the window at once and the program with kFatalExitCode.

#include "editor/Editor.h"
#include "editor/WindowControls.h"

#include <QDialog>

class Dialogs;
enum class Action;
struct Route;

class MainWindow : public QDialog {
    Q_OBJECT
public:
    // workingFolderOnly: publish only into the working folder.
    explicit MainWindow(
        Dialogs& dialogs, bool workingFolderOnly = false, QWidget* parent = nullptr);

    // The control with this identifier (ControlIds.h), or nullptr.
    QWidget* Control(int id) const { return controls_.Find(id); }
    template <class ControlClass> ControlClass* Control(int id) const
    {
        return qobject_cast<ControlClass*>(Control(id));
    }

    Editor& editor() { return editor_; }

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
    void Run(Action action, int id);
    void ShowAbout();

    WindowControls controls_;
    Editor editor_;
};
