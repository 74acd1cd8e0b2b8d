#pragma once

// Shared by the window tests: a fresh main window per test, built and started
// as the program builds it, whose questions are answered by FakeDialogs. It
// starts in an empty working folder of its own, with neither install found.

#include "app/MainWindow.h"
#include "editor/Dialogs.h"
#include "tests/app/TestFolders.h"
#include "tests/controls/WidgetTesting.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QSignalBlocker>
#include <QTest>

#include <stdexcept>
#include <string>

// Records every message and answers with `answer`; asks for no file or text.
class FakeDialogs : public Dialogs {
public:
    MessageAnswer ShowApplicationMessage(const QString& text, MessageButtons buttons) override
    {
        applicationMessages.append(text);
        lastButtons = buttons;
        return answer;
    }
    void ShowWindowMessage(const QString& title, const QString& text) override
    {
        windowMessages.append(title + '|' + text);
    }
    std::optional<QString> AskSaveFileName(const QString&) override { return std::nullopt; }
    std::optional<QString> AskText(const QString&, const QString&) override { return std::nullopt; }

    QStringList applicationMessages;
    QStringList windowMessages;
    MessageButtons lastButtons = MessageButtons::Ok;
    MessageAnswer answer = MessageAnswer::Ok;
};

class WindowTest : public testing::Test {
protected:
    template <class ControlClass = QWidget> ControlClass& ControlOf(int id)
    {
        auto* control = window.Control<ControlClass>(id);
        if (control == nullptr)
            throw std::logic_error("no control " + std::to_string(id) + " of that class");
        return *control;
    }

    // Key presses and the tab order need the window shown and active.
    void ShowActive()
    {
        window.show();
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    void Click(int id) { QTest::mouseClick(&ControlOf<QAbstractButton>(id), Qt::LeftButton); }
    void Press(int id, Qt::Key key) { QTest::keyClick(&ControlOf(id), key); }
    void Type(int id, const char* text) { QTest::keyClicks(&ControlOf(id), text); }

    // Shows the profile as a load does: a refresh, then clean.
    void Load(const Profile& profile)
    {
        window.editor().ProfileToControls(profile);
        window.editor().state.SetModified(false);
    }

    // Selects an item as the program does, without telling the window.
    void SetIndex(int id, int index) { ControlOf<QComboBox>(id).setCurrentIndex(index); }
    int IndexOf(int id) { return ControlOf<QComboBox>(id).currentIndex(); }
    Qt::CheckState StateOf(int id) { return ControlOf<QCheckBox>(id).checkState(); }

    bool Modified() { return window.editor().state.modified; }

    TemporaryWorkingFolder ownWorkingFolder;
    FakeWinePrefix emptyWinePrefix;
    FakeDialogs dialogs;
    MainWindow window{dialogs};
};
