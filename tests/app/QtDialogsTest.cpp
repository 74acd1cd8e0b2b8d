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

struct ApplicationMessageCase {
    const char* name;
    MessageButtons buttons;
    QMessageBox::StandardButtons shown;
    QMessageBox::Icon icon;
    std::function<void(QMessageBox&)> answer;
    MessageAnswer expected;
};

std::function<void(QMessageBox&)> Press(QMessageBox::StandardButton button)
{
    return [button](QMessageBox& box) { box.button(button)->click(); };
}

void Escape(QMessageBox& box)
{
    QTest::keyClick(&box, Qt::Key_Escape);
}

class ApplicationMessageTest : public QtDialogsTest,
                               public testing::WithParamInterface<ApplicationMessageCase> { };

TEST_P(ApplicationMessageTest, ShowsTheSetWithItsIconAndReportsTheAnswer)
{
    WhenModalOpens([this](QWidget& dialog) {
        auto* box = qobject_cast<QMessageBox*>(&dialog);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->windowTitle(), QCoreApplication::applicationName());
        EXPECT_EQ(box->text(), "Could not create profile! Try again?");
        EXPECT_EQ(box->standardButtons(), GetParam().shown);
        EXPECT_EQ(box->icon(), GetParam().icon);
        EXPECT_EQ(box->parentWidget(), &owner);
        GetParam().answer(*box);
    });
    EXPECT_EQ(
        dialogs.ShowApplicationMessage("Could not create profile! Try again?", GetParam().buttons),
        GetParam().expected);
}

const QMessageBox::StandardButtons yesNo = QMessageBox::Yes | QMessageBox::No;
const QMessageBox::StandardButtons yesNoCancel = yesNo | QMessageBox::Cancel;

INSTANTIATE_TEST_SUITE_P(Answers, ApplicationMessageTest,
    testing::Values(ApplicationMessageCase{"OkEscaped", MessageButtons::Ok, QMessageBox::Ok,
                        QMessageBox::Warning, Escape, MessageAnswer::Ok},
        ApplicationMessageCase{"Yes", MessageButtons::YesNo, yesNo, QMessageBox::Question,
            Press(QMessageBox::Yes), MessageAnswer::Yes},
        ApplicationMessageCase{"YesNoEscaped", MessageButtons::YesNo, yesNo, QMessageBox::Question,
            Escape, MessageAnswer::No},
        ApplicationMessageCase{"SaveNo", MessageButtons::YesNoCancel, yesNoCancel,
            QMessageBox::Question, Press(QMessageBox::No), MessageAnswer::No},
        ApplicationMessageCase{"SaveEscaped", MessageButtons::YesNoCancel, yesNoCancel,
            QMessageBox::Question, Escape, MessageAnswer::Cancel}),
    [](const testing::TestParamInfo<ApplicationMessageCase>& testCase) {
        return testCase.param.name;
    });

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

struct AskTextCase {
    const char* name;
    std::function<void(QWidget& dialog, QLineEdit& field)> answer;
    std::optional<std::string> expected;
};

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

class AskTextTest : public QtDialogsTest, public testing::WithParamInterface<AskTextCase> { };

TEST_P(AskTextTest, AsksWithAnEmptyPlainFieldAndGivesTheTextOnlyOnOk)
{
    WhenModalOpens([this](QWidget& dialog) {
        auto* field = dialog.findChild<QLineEdit*>();
        ASSERT_NE(field, nullptr);
        EXPECT_EQ(dialog.windowTitle(), "New Profile");
        EXPECT_EQ(
            dialog.findChild<QLabel*>()->text(), "What would you like your profile to be called?");
        EXPECT_EQ(dialog.parentWidget(), &owner);
        EXPECT_TRUE(field->text().isEmpty());
        EXPECT_EQ(field->echoMode(), QLineEdit::Normal);
        GetParam().answer(dialog, *field);
    });
    EXPECT_EQ(dialogs.AskText("New Profile", "What would you like your profile to be called?"),
        GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Endings, AskTextTest,
    testing::Values(AskTextCase{"Ok",
                        [](QWidget& d, QLineEdit& field) {
                            QTest::keyClicks(&field, "Server 2");
                            Button(d, "OK").click();
                        },
                        "Server 2"},
        // An empty field cannot be confirmed; a blank is text.
        AskTextCase{"EnterOnlyOnceTyped",
            [](QWidget& d, QLineEdit& field) {
                PressKey(Qt::Key_Return);
                ASSERT_TRUE(d.isVisible());
                QTest::keyClicks(&field, " ");
                PressKey(Qt::Key_Return);
            },
            " "},
        AskTextCase{"Cancel",
            [](QWidget& d, QLineEdit& field) {
                QTest::keyClicks(&field, "Server 2");
                Button(d, "Cancel").click();
            },
            std::nullopt},
        AskTextCase{"Escape", [](QWidget&, QLineEdit&) { PressKey(Qt::Key_Escape); },
            std::nullopt},
        AskTextCase{"Closed", [](QWidget& d, QLineEdit&) { d.close(); }, std::nullopt},
        AskTextCase{"EnterOnCancel",
            [](QWidget& d, QLineEdit& field) {
                QTest::keyClicks(&field, "Server 2");
                Button(d, "Cancel").setFocus();
                PressKey(Qt::Key_Return);
            },
            std::nullopt}),
    [](const testing::TestParamInfo<AskTextCase>& testCase) { return testCase.param.name; });

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
