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

// Types the name into the dialog's name field, as the user would.
void TypeName(QFileDialog& files, const QString& name)
{
    auto* field = files.findChild<QLineEdit*>("fileNameEdit");
    ASSERT_NE(field, nullptr);
    field->selectAll();
    field->insert(name);  // QTest types ASCII only
}

// Clicks the dialog's Save button, as the user would.
void Save(QFileDialog& files)
{
    auto* buttons = files.findChild<QDialogButtonBox*>();
    ASSERT_NE(buttons, nullptr);
    QPushButton* save = buttons->button(QDialogButtonBox::Save);
    ASSERT_NE(save, nullptr);
    save->click();
}

class SaveFileNameTest : public QtDialogsTest {
protected:
    SaveFileNameTest() { startFolder = QDir(folder.path()).absolutePath(); }

    // Asks while drive works the dialog.
    std::optional<std::string> Ask(std::function<void(QFileDialog&)> drive)
    {
        WhenModalOpens([drive = std::move(drive)](QWidget& dialog) {
            auto* files = qobject_cast<QFileDialog*>(&dialog);
            ASSERT_NE(files, nullptr);
            drive(*files);
        });
        return dialogs.AskSaveFileName(QFile::encodeName(startFolder).toStdString());
    }

    QString PathOf(const QString& name) const { return QDir(startFolder).filePath(name); }
    std::string BytesOf(const QString& name) const
    {
        return QFile::encodeName(PathOf(name)).toStdString();
    }

    QTemporaryDir folder;
    QString startFolder;
};

TEST_F(SaveFileNameTest, OffersOnlyWstFilesInTheStartFolder)
{
    const auto chosen = Ask([this](QFileDialog& files) {
        EXPECT_EQ(files.acceptMode(), QFileDialog::AcceptSave);
        EXPECT_EQ(files.windowTitle(), "Save As");
        EXPECT_EQ(files.nameFilters(), QStringList{"WST Files (*.wst)"});
        EXPECT_EQ(files.defaultSuffix(), "wst");
        EXPECT_EQ(QDir(files.directory()).absolutePath(), startFolder);
        EXPECT_FALSE(files.testOption(QFileDialog::DontConfirmOverwrite));
        EXPECT_EQ(files.parentWidget(), &owner);
        files.reject();
    });
    EXPECT_FALSE(chosen.has_value());
}

TEST_F(SaveFileNameTest, NameWithoutExtensionGetsWst)
{
    const auto chosen = Ask([](QFileDialog& files) {
        TypeName(files, "Café Night");
        Save(files);
    });
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(*chosen, BytesOf("Café Night.wst"));
}

// ---- the text prompt

struct AskTextCase {
    const char* name;
    const char* typed;
    std::function<void(QWidget&)> end;
    std::optional<std::string> expected;
};

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
        QTest::keyClicks(field, GetParam().typed);
        GetParam().end(dialog);
    });
    EXPECT_EQ(dialogs.AskText("New Profile", "What would you like your profile to be called?"),
        GetParam().expected);
}

void ClickButton(QWidget& dialog, const QString& text)
{
    for (auto* button : dialog.findChildren<QPushButton*>())
        if (button->text() == text)
            button->click();
}

INSTANTIATE_TEST_SUITE_P(Endings, AskTextTest,
    testing::Values(
        AskTextCase{"Ok", "Server 2", [](QWidget& d) { ClickButton(d, "OK"); }, "Server 2"},
        AskTextCase{
            "Cancel", "Server 2", [](QWidget& d) { ClickButton(d, "Cancel"); }, std::nullopt},
        AskTextCase{"Closed", "Server 2", [](QWidget& d) { d.close(); }, std::nullopt}),
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
