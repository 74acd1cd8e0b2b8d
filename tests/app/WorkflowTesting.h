#pragma once

// Shared by the tests of the editing workflow: the real main window, started
// on demand in a fresh working folder with a made-up Wine prefix, whose
// questions are answered from a script that the test writes beforehand.

#include "app/MainWindow.h"
#include "editor/ControlIds.h"
#include "editor/Dialogs.h"
#include "profile/DefaultDocument.h"
#include "tests/app/TestFolders.h"
#include "tests/controls/WidgetTesting.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QListWidget>
#include <QTest>

#include <deque>
#include <optional>
#include <stdexcept>
#include <string>

// Answers every question from its script and logs everything it was shown,
// in order. A question the script has no answer for fails the test.
class ScriptedDialogs : public Dialogs {
public:
    MessageAnswer ShowApplicationMessage(const QString& text, MessageButtons buttons) override
    {
        log.append("application: " + text);
        if (buttons == MessageButtons::Ok)
            return MessageAnswer::Ok;
        if (answers.empty()) {
            ADD_FAILURE() << "unanswered question: " << text.toStdString();
            return MessageAnswer::No;
        }
        return Take(answers);
    }
    void ShowWindowMessage(const QString& title, const QString& text) override
    {
        log.append("window: " + title + " | " + text);
    }
    std::optional<QString> AskSaveFileName(const QString& startFolder) override
    {
        log.append("save dialog in: " + startFolder);
        return TakeOrCancel(fileNames);
    }
    std::optional<QString> AskText(const QString& caption, const QString& prompt) override
    {
        log.append("prompt: " + caption + " | " + prompt);
        return TakeOrCancel(texts);
    }

    std::deque<MessageAnswer> answers;
    std::deque<std::optional<QString>> fileNames;  // none: the dialog is cancelled
    std::deque<std::optional<QString>> texts;
    QStringList log;

private:
    template <class Item> static Item Take(std::deque<Item>& script)
    {
        Item item = script.front();
        script.pop_front();
        return item;
    }
    static std::optional<QString> TakeOrCancel(std::deque<std::optional<QString>>& script)
    {
        if (script.empty()) {
            ADD_FAILURE() << "unanswered dialog";
            return std::nullopt;
        }
        return Take(script);
    }
};

inline const QString kModifiedQuestion
    = "application: Your profile has been modified. Save changes?";

// The default document with one element's enabled attribute turned off.
inline std::string DefaultDocumentWithDisabled(const std::string& element)
{
    std::string document(DefaultDocument());
    const std::string enabled = "<" + element + " name=\"" + element + "\" enabled=\"true\">";
    const std::size_t at = document.find(enabled);
    if (at == std::string::npos)
        throw std::logic_error("no element " + element);
    document.replace(
        at, enabled.size(), "<" + element + " name=\"" + element + "\" enabled=\"false\">");
    return document;
}

class WorkflowTest : public testing::Test {
protected:
    // The program's window, started now in the working folder as it is.
    MainWindow& StartWindow(bool workingFolderOnly = false)
    {
        window.emplace(dialogs, workingFolderOnly);
        return *window;
    }

    template <class ControlClass = QWidget> ControlClass& ControlOf(int id)
    {
        auto* control = window->Control<ControlClass>(id);
        if (control == nullptr)
            throw std::logic_error("no control " + std::to_string(id) + " of that class");
        return *control;
    }
    // Key presses need the window shown and active.
    void ShowAndActivate()
    {
        window->show();
        QApplication::setActiveWindow(&*window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&*window));
    }
    void Click(int id) { QTest::mouseClick(&ControlOf<QAbstractButton>(id), Qt::LeftButton); }
    bool IsEnabled(int id) { return ControlOf(id).isEnabled(); }
    bool IsChecked(int id) { return ControlOf<QAbstractButton>(id).isChecked(); }
    Qt::CheckState StateOf(int id) { return ControlOf<QCheckBox>(id).checkState(); }

    QListWidget& List() { return ControlOf<QListWidget>(ControlId::ProfileList); }
    // The user clicks the entry, as a person does with the mouse.
    void PickEntry(int row)
    {
        QListWidget& list = List();
        QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier,
            list.visualItemRect(list.item(row)).center());
    }
    QStringList Entries()
    {
        QStringList texts;
        for (int row = 0; row < List().count(); ++row)
            texts.append(List().item(row)->text());
        return texts;
    }
    int SelectedRow() { return window->editor().state.SelectedProfileIndex(); }

    EditorState& State() { return window->editor().state; }
    bool Modified() { return State().modified; }
    std::string CurrentName() { return State().currentProfile.value().name; }
    // An edit as a person makes it: the red Scout's alternative kit cleared.
    void ClearRedScoutAlternativeKit() { Click(ControlId::RedScoutSecondary); }

    // A profile file in the working folder, a copy of the default document or
    // of other bytes.
    void WriteProfile(const std::string& name, std::string_view bytes = DefaultDocument())
    {
        WriteBytes(name + ".wst", bytes);
    }

    TemporaryWorkingFolder workingFolder;
    FakeWinePrefix winePrefix;
    ScriptedDialogs dialogs;
    std::optional<MainWindow> window;
};
