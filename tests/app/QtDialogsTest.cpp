#include "app/QtDialogs.h"
#include "tests/controls/WidgetTesting.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <tuple>
#include <vector>

namespace {

class QtDialogsTest : public testing::Test {
protected:
    QtDialogsTest()
    {
        owner.setWindowTitle("Battlefield Vietnam Quavel v1.0 beta 1a");
        owner.resize(400, 300);
        owner.show();
    }

    QWidget owner;
    QtDialogs dialogs{&owner};
};

// ---- application messages

// Each set of buttons with its icon, answered by a button or by Escape.
TEST_F(QtDialogsTest, ApplicationMessageShowsTheSetWithItsIconAndReportsTheAnswer)
{
    using Box = QMessageBox;
    const Box::StandardButtons yesNo = Box::Yes | Box::No;
    const std::tuple<MessageButtons, Box::StandardButtons, Box::Icon,
        std::optional<Box::StandardButton>, MessageAnswer>
        cases[] = {
            {MessageButtons::Ok, Box::Ok, Box::Warning, std::nullopt, MessageAnswer::Ok},
            {MessageButtons::YesNo, yesNo, Box::Question, Box::Yes, MessageAnswer::Yes},
            {MessageButtons::YesNo, yesNo, Box::Question, std::nullopt, MessageAnswer::No},
            {MessageButtons::YesNoCancel, yesNo | Box::Cancel, Box::Question, Box::No,
                MessageAnswer::No},
            {MessageButtons::YesNoCancel, yesNo | Box::Cancel, Box::Question, std::nullopt,
                MessageAnswer::Cancel},
        };
    for (const auto& [buttons, shown, icon, pressed, expected] : cases) {
        WhenModalOpens([&, pressed = pressed](QWidget& dialog) {
            auto* box = qobject_cast<QMessageBox*>(&dialog);
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->windowTitle(), QCoreApplication::applicationName());
            EXPECT_EQ(box->text(), "Could not create profile! Try again?");
            EXPECT_EQ(box->standardButtons(), shown);
            EXPECT_EQ(box->icon(), icon);
            EXPECT_EQ(box->parentWidget(), &owner);
            if (pressed)
                box->button(*pressed)->click();
            else
                QTest::keyClick(box, Qt::Key_Escape);
        });
        EXPECT_EQ(dialogs.ShowApplicationMessage("Could not create profile! Try again?", buttons),
            expected);
    }
}

// ---- window messages

TEST_F(QtDialogsTest, WindowMessageHasItsTitleAnOkButtonAndNoIcon)
{
    bool shown = false;
    WhenModalOpens([&](QWidget& dialog) {
        auto* box = qobject_cast<QMessageBox*>(&dialog);
        ASSERT_NE(box, nullptr);
        shown = true;
        EXPECT_EQ(box->windowTitle(), "Error Loading!");
        EXPECT_EQ(box->text(), "Unable to load WST file!\nCafé.wst");
        EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
        EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
        EXPECT_EQ(box->parentWidget(), &owner);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    dialogs.ShowWindowMessage("Error Loading!", "Unable to load WST file!\nCaf\xc3\xa9.wst");
    EXPECT_TRUE(shown);
}

// ---- the save dialog

// The dialog offers .wst files in the start folder; a typed name gets the extension.
TEST_F(QtDialogsTest, SaveDialogOffersWstFilesInTheStartFolderAndAddsTheExtension)
{
    const QTemporaryDir folder;
    const QString start = QDir(folder.path()).absolutePath();
    WhenModalOpens([&](QWidget& dialog) {
        auto* files = qobject_cast<QFileDialog*>(&dialog);
        ASSERT_NE(files, nullptr);
        EXPECT_EQ(files->acceptMode(), QFileDialog::AcceptSave);
        EXPECT_EQ(files->windowTitle(), "Save As");
        EXPECT_EQ(files->nameFilters(), QStringList{"WST Files (*.wst)"});
        EXPECT_EQ(QDir(files->directory()).absolutePath(), start);
        EXPECT_FALSE(files->testOption(QFileDialog::DontConfirmOverwrite));
        EXPECT_EQ(files->parentWidget(), &owner);
        // Typed as the user would: QTest types ASCII only.
        files->findChild<QLineEdit*>("fileNameEdit")->insert("Café Night");
        files->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Save)->click();
    });
    EXPECT_EQ(dialogs.AskSaveFileName(QFile::encodeName(start).toStdString()),
        QFile::encodeName(QDir(start).filePath("Café Night.wst")).toStdString());
}

// ---- the text prompt (New's question)

QPushButton& Button(QWidget& dialog, const QString& text)
{
    for (auto* button : dialog.findChildren<QPushButton*>())
        if (button->text() == text)
            return *button;
    throw std::logic_error("no button " + text.toStdString());
}

void PressKey(Qt::Key key)
{
    QTest::keyClick(QApplication::focusWidget(), key);
}

// The field starts empty and plain; what was typed comes back only on OK.
TEST_F(QtDialogsTest, TextPromptGivesTheTextOnlyOnOk)
{
    const std::tuple<const char*, std::function<void(QWidget&)>, std::optional<std::string>> cases[]
        = {
            {"Server 2", [](QWidget& d) { Button(d, "OK").click(); }, "Server 2"},
            // An empty field cannot be confirmed; a blank is text.
            {"",
                [](QWidget& d) {
                    PressKey(Qt::Key_Return);
                    ASSERT_TRUE(d.isVisible());
                    QTest::keyClicks(QApplication::focusWidget(), " ");
                    PressKey(Qt::Key_Return);
                },
                " "},
            {"Server 2", [](QWidget& d) { Button(d, "Cancel").click(); }, std::nullopt},
        };
    for (const auto& [typed, end, expected] : cases) {
        WhenModalOpens([&, typed = typed](QWidget& dialog) {
            auto* field = dialog.findChild<QLineEdit*>();
            ASSERT_NE(field, nullptr);
            EXPECT_EQ(dialog.windowTitle(), "New Profile");
            EXPECT_EQ(dialog.findChild<QLabel*>()->text(),
                "What would you like your profile to be called?");
            EXPECT_EQ(dialog.parentWidget(), &owner);
            EXPECT_TRUE(field->text().isEmpty());
            EXPECT_EQ(field->echoMode(), QLineEdit::Normal);
            QTest::keyClicks(field, typed);
            end(dialog);
        });
        EXPECT_EQ(dialogs.AskText("New Profile", "What would you like your profile to be called?"),
            expected);
    }
}

// ---- ownership

TEST_F(QtDialogsTest, WithoutAnOwnerTheActiveWindowOwnsTheDialogs)
{
    owner.activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == &owner; }));
    QtDialogs unowned;
    QWidget* parent = nullptr;
    WhenModalOpens([&parent](QWidget& dialog) {
        parent = dialog.parentWidget();
        dialog.close();
    });
    unowned.ShowWindowMessage("", "Saved");
    EXPECT_EQ(parent, &owner);
}

}  // namespace
