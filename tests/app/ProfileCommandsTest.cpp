#include "app/MainWindow.h"

#include "editor/ControlIds.h"
#include "tests/app/WorkflowTesting.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QTimer>

namespace {

using namespace ControlId;

// Alpha and Bravo: Bravo differs from the default document by the red
// Assault kit; the window starts on "Default", Alpha or Bravo as the test picks.
class ProfileCommandsTest : public WorkflowTest {
protected:
    ProfileCommandsTest()
    {
        WriteProfile("Alpha");
        WriteProfile("Bravo", bravoBytes);
    }

    // Started with the entry picked by the user, clean.
    void StartOn(int row)
    {
        StartWindow();
        if (row != 0)
            PickEntry(row);
        ASSERT_EQ(SelectedRow(), row);
        dialogs.log.clear();
    }

    bool RedAssaultShown() { return IsChecked(RedAssaultPrimary); }

    const std::string bravoBytes = DefaultDocumentWithDisabled("NVA_Assault");
    const std::string editedAlpha = DefaultDocumentWithDisabled("NVA_Scout_Alt");
};

TEST_F(ProfileCommandsTest, PickingAnEntryLoadsItsProfileClean)
{
    StartOn(0);
    PickEntry(2);
    EXPECT_EQ(CurrentName(), "Bravo");
    EXPECT_FALSE(RedAssaultShown());
    EXPECT_FALSE(Modified());
    EXPECT_TRUE(dialogs.log.isEmpty());

    // The keyboard switches as well.
    ShowAndActivate();
    QTest::keyClick(&List(), Qt::Key_Up);
    EXPECT_EQ(CurrentName(), "Alpha");
    EXPECT_TRUE(RedAssaultShown());
    EXPECT_EQ(SelectedRow(), 1);
}

TEST_F(ProfileCommandsTest, SaveQuestionOfASwitch)
{
    struct Case {
        const char* name;
        MessageAnswer answer;
        std::string expectedCurrent;
        int expectedRow;
        std::string expectedAlphaBytes;
        bool expectedModified;
    };
    const Case cases[] = {
        {"Cancel stays and moves the selection back", MessageAnswer::Cancel, "Alpha", 1,
            std::string(DefaultDocument()), true},
        {"No drops the edits", MessageAnswer::No, "Bravo", 2, std::string(DefaultDocument()),
            false},
        {"Yes saves them", MessageAnswer::Yes, "Bravo", 2, editedAlpha, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteProfile("Alpha");
        StartOn(1);
        ClearRedScoutAlternativeKit();
        dialogs.answers = {c.answer};

        PickEntry(2);

        EXPECT_EQ(dialogs.log, QStringList({kModifiedQuestion}));
        EXPECT_EQ(CurrentName(), c.expectedCurrent);
        EXPECT_EQ(SelectedRow(), c.expectedRow);
        EXPECT_EQ(List().currentRow(), c.expectedRow);
        EXPECT_EQ(ReadBytes("Alpha.wst"), c.expectedAlphaBytes);
        EXPECT_EQ(Modified(), c.expectedModified);
        EXPECT_EQ(IsEnabled(SaveButton), c.expectedModified);
        EXPECT_EQ(IsChecked(RedScoutSecondary), c.expectedCurrent == "Bravo");
        window.reset();
    }
}

TEST_F(ProfileCommandsTest, YesOnModifiedDefaultSavesAsThenLoadsThePickedEntry)
{
    StartOn(0);
    ClearRedScoutAlternativeKit();
    EXPECT_FALSE(IsEnabled(SaveButton));  // never while "Default" is selected
    const QString copy = QString::fromStdString((workingFolder.path() / "Mine.wst").string());
    dialogs.answers = {MessageAnswer::Yes};
    dialogs.fileNames = {copy};

    PickEntry(2);

    EXPECT_EQ(dialogs.log,
        QStringList({kModifiedQuestion,
            "save dialog in: " + QString::fromStdString(std::filesystem::current_path().string()),
            "application: Saved As:\n" + copy}));
    EXPECT_EQ(Entries(), QStringList({"Default", "Alpha", "Bravo", "Mine"}));
    EXPECT_EQ(CurrentName(), "Bravo");
    EXPECT_EQ(SelectedRow(), 2);
    EXPECT_EQ(ReadBytes("Mine.wst"), editedAlpha);
    EXPECT_FALSE(Modified());
}

TEST_F(ProfileCommandsTest, PickingDefaultLoadsTheBuiltInProfileAndDisablesSaveAndRevert)
{
    StartOn(2);
    ClearRedScoutAlternativeKit();
    ASSERT_TRUE(IsEnabled(SaveButton));
    WriteBytes("Default.wst", "edited by hand");
    dialogs.answers = {MessageAnswer::No};

    PickEntry(0);

    EXPECT_EQ(CurrentName(), "Default");
    EXPECT_TRUE(RedAssaultShown());
    EXPECT_FALSE(IsEnabled(SaveButton));
    EXPECT_FALSE(IsEnabled(RevertButton));
    EXPECT_EQ(ReadBytes("Default.wst"), DefaultDocument());
}

TEST_F(ProfileCommandsTest, RefusedFileKeepsThePreviousProfile)
{
    WriteProfile("Broken", "<profile>");
    StartOn(1);
    ASSERT_EQ(Entries(), QStringList({"Default", "Alpha", "Bravo", "Broken"}));
    ClearRedScoutAlternativeKit();
    dialogs.answers = {MessageAnswer::No};

    PickEntry(3);

    ASSERT_EQ(dialogs.log.size(), 2);
    EXPECT_TRUE(dialogs.log[1].startsWith("window: Error Loading! | Unable to load WST file!\n"));
    EXPECT_EQ(CurrentName(), "Alpha");
    EXPECT_EQ(SelectedRow(), 1);
    EXPECT_TRUE(Modified());  // the edits are still on screen
    EXPECT_FALSE(IsChecked(RedScoutSecondary));
    EXPECT_TRUE(IsEnabled(SaveButton));

    // The refused file did not become the document that Alpha is saved into.
    Click(SaveButton);
    EXPECT_EQ(ReadBytes("Alpha.wst"), editedAlpha);
    EXPECT_EQ(ReadBytes("Broken.wst"), "<profile>");
}

TEST_F(ProfileCommandsTest, DefaultFileThatCannotBeWrittenEndsTheRunningProgram)
{
    StartOn(1);
    std::filesystem::remove("Default.wst");
    std::filesystem::create_directory("Default.wst");
    QTimer::singleShot(0, &*window, [this] { PickEntry(0); });

    EXPECT_EQ(window->RunModal(), MainWindow::kFatalExitCode);

    EXPECT_EQ(dialogs.log,
        QStringList({"window: Critical Error | QUAVEL has enountered a critical error and cannot "
                     "continue. Verify QUAVEL has permission to create files in its working "
                     "directory and try again."}));
    EXPECT_FALSE(window->isVisible());
}

TEST_F(ProfileCommandsTest, NewAsksUntilANameCanBeUsed)
{
    struct Case {
        const char* name;
        std::vector<std::optional<QString>> texts;
        std::vector<MessageAnswer> answers;
        QStringList messages;  // besides the prompts
        QStringList entries;
        std::string current;
    };
    const QString cannotDefault = "application: Cannot save over default profile! Try again?";
    const QString couldNot = "application: Could not create profile! Try again?";
    const Case cases[] = {
        {"a new name", {"Charlie"}, {}, {}, {"Default", "Alpha", "Bravo", "Charlie"}, "Charlie"},
        {"cancelled", {std::nullopt}, {}, {}, {"Default", "Alpha", "Bravo"}, "Alpha"},
        {"Default, then again", {"Default", "Charlie"}, {MessageAnswer::Yes}, {cannotDefault},
            {"Default", "Alpha", "Bravo", "Charlie"}, "Charlie"},
        {"Default, then no", {"Default"}, {MessageAnswer::No}, {cannotDefault},
            {"Default", "Alpha", "Bravo"}, "Alpha"},
        {"an existing file", {"Bravo"}, {MessageAnswer::No}, {couldNot},
            {"Default", "Alpha", "Bravo"}, "Alpha"},
        {"unusable names, then one that serves", {"", "a/b", "..", "Delta "},
            {MessageAnswer::Yes, MessageAnswer::Yes, MessageAnswer::Yes},
            {couldNot, couldNot, couldNot}, {"Default", "Alpha", "Bravo", "Delta "}, "Delta "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TemporaryWorkingFolder folder;
        WriteProfile("Alpha");
        WriteProfile("Bravo", bravoBytes);
        StartOn(1);
        ClearRedScoutAlternativeKit();  // New drops edits without asking
        dialogs.texts.assign(c.texts.begin(), c.texts.end());
        dialogs.answers.assign(c.answers.begin(), c.answers.end());

        Click(NewButton);

        EXPECT_EQ(dialogs.log.filter(QRegularExpression("^application|^window")), c.messages);
        EXPECT_EQ(dialogs.log.count("prompt: New Profile | What would you like your profile to "
                                    "be called?"),
            static_cast<qsizetype>(c.texts.size()));
        EXPECT_EQ(Entries(), c.entries);
        EXPECT_EQ(CurrentName(), c.current);
        EXPECT_EQ(ReadBytes("Bravo.wst"), bravoBytes);
        if (c.current != "Alpha") {
            EXPECT_EQ(SelectedRow(), Entries().size() - 1);
            EXPECT_EQ(ReadBytes(c.current + ".wst"), DefaultDocument());
            EXPECT_TRUE(IsChecked(RedScoutSecondary));
            EXPECT_FALSE(Modified());
        }
        EXPECT_TRUE(dialogs.answers.empty());
        EXPECT_TRUE(dialogs.texts.empty());
        window.reset();
    }
}

TEST_F(ProfileCommandsTest, SaveWritesTheProfilesOwnFileAndEndsTheEdits)
{
    StartOn(1);
    EXPECT_FALSE(IsEnabled(SaveButton));
    ClearRedScoutAlternativeKit();
    EXPECT_TRUE(IsEnabled(SaveButton));
    EXPECT_TRUE(IsEnabled(RevertButton));

    Click(SaveButton);

    EXPECT_EQ(ReadBytes("Alpha.wst"), editedAlpha);
    EXPECT_FALSE(Modified());
    EXPECT_FALSE(IsEnabled(SaveButton));
    EXPECT_FALSE(IsEnabled(RevertButton));
    EXPECT_TRUE(dialogs.log.isEmpty());
}

TEST_F(ProfileCommandsTest, FailedSaveIsToldAndKeepsTheEdits)
{
    StartOn(1);
    ClearRedScoutAlternativeKit();
    std::filesystem::remove("Alpha.wst");
    std::filesystem::create_directory("Alpha.wst");  // root-proof: no file can replace it

    Click(SaveButton);

    EXPECT_EQ(dialogs.log,
        QStringList({"window: Error Saving! | Unable to save WST file! Do you have write "
                     "permissions to the QUAVEL folder?"}));
    EXPECT_TRUE(Modified());
    EXPECT_TRUE(IsEnabled(SaveButton));
}

TEST_F(ProfileCommandsTest, RevertShowsTheFileAsLastWritten)
{
    StartOn(1);
    ClearRedScoutAlternativeKit();
    Click(SaveButton);
    Click(RedAssaultPrimary);
    ASSERT_TRUE(Modified());

    Click(RevertButton);

    EXPECT_FALSE(IsChecked(RedScoutSecondary));  // saved
    EXPECT_TRUE(RedAssaultShown());              // reverted
    EXPECT_FALSE(Modified());
    EXPECT_FALSE(IsEnabled(SaveButton));
    EXPECT_FALSE(IsEnabled(RevertButton));
    EXPECT_EQ(ReadBytes("Alpha.wst"), editedAlpha);
    EXPECT_TRUE(dialogs.log.isEmpty());
}

TEST_F(ProfileCommandsTest, SaveAsWritesACopyAndKeepsTheCurrentProfile)
{
    const std::filesystem::path folder = std::filesystem::current_path();
    StartOn(1);
    ClearRedScoutAlternativeKit();
    const QString copy = QString::fromStdString((folder / "Copy.wst").string());
    dialogs.fileNames = {std::nullopt, copy};

    Click(SaveAsButton);  // cancelled
    EXPECT_FALSE(std::filesystem::exists("Copy.wst"));
    EXPECT_EQ(ReadBytes("Alpha.wst"), DefaultDocument());
    Click(SaveAsButton);

    const QString dialog = "save dialog in: " + QString::fromStdString(folder.string());
    EXPECT_EQ(dialogs.log, QStringList({dialog, dialog, "application: Saved As:\n" + copy}));
    EXPECT_EQ(ReadBytes("Copy.wst"), editedAlpha);
    EXPECT_EQ(ReadBytes("Alpha.wst"), editedAlpha);
    EXPECT_EQ(Entries(), QStringList({"Default", "Alpha", "Bravo", "Copy"}));
    EXPECT_EQ(CurrentName(), "Alpha");
    EXPECT_EQ(SelectedRow(), 1);
    EXPECT_TRUE(Modified());  // Save As leaves the flag alone
    EXPECT_EQ(std::filesystem::current_path(), folder);
}

TEST_F(ProfileCommandsTest, SaveAsIntoAMissingFolderIsTold)
{
    StartOn(1);
    const QString target
        = QString::fromStdString((workingFolder.path() / "missing" / "Copy.wst").string());
    dialogs.fileNames = {target};

    Click(SaveAsButton);

    EXPECT_EQ(dialogs.log.last(), "application: Error Saving As:\n" + target + "\nError: 2");
    EXPECT_EQ(Entries(), QStringList({"Default", "Alpha", "Bravo"}));
}

TEST_F(ProfileCommandsTest, ClosingAsksAboutUnsavedEdits)
{
    struct Case {
        const char* name;
        int row;
        bool edit;
        std::vector<MessageAnswer> answers;
        std::vector<std::optional<QString>> fileNames;
        bool closes;
        std::string alphaBytes;
    };
    const Case cases[] = {
        {"clean", 1, false, {}, {}, true, std::string(DefaultDocument())},
        {"Cancel", 1, true, {MessageAnswer::Cancel}, {}, false, std::string(DefaultDocument())},
        {"No", 1, true, {MessageAnswer::No}, {}, true, std::string(DefaultDocument())},
        {"Yes", 1, true, {MessageAnswer::Yes}, {}, true, editedAlpha},
        {"Yes on Default, Save As cancelled", 0, true, {MessageAnswer::Yes}, {std::nullopt}, true,
            std::string(DefaultDocument())},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteProfile("Alpha");
        StartOn(c.row);
        ShowAndActivate();
        if (c.edit)
            ClearRedScoutAlternativeKit();
        dialogs.answers.assign(c.answers.begin(), c.answers.end());
        dialogs.fileNames.assign(c.fileNames.begin(), c.fileNames.end());
        QSignalSpy finished(&*window, &QDialog::finished);

        Click(QuitButton);

        EXPECT_EQ(dialogs.log.count(kModifiedQuestion), c.edit ? 1 : 0);
        EXPECT_EQ(finished.count(), c.closes ? 1 : 0);
        EXPECT_EQ(window->isVisible(), !c.closes);
        EXPECT_EQ(State().currentProfile.has_value(), !c.closes);
        EXPECT_EQ(ReadBytes("Alpha.wst"), c.alphaBytes);
        EXPECT_TRUE(dialogs.fileNames.empty());
        window.reset();
    }
}

TEST_F(ProfileCommandsTest, FailedSaveOnClosingIsToldAndTheWindowCloses)
{
    StartOn(1);
    ShowAndActivate();
    ClearRedScoutAlternativeKit();
    std::filesystem::remove("Alpha.wst");
    std::filesystem::create_directory("Alpha.wst");
    dialogs.answers = {MessageAnswer::Yes};

    EXPECT_TRUE(window->close());

    EXPECT_EQ(dialogs.log,
        QStringList({kModifiedQuestion,
            "window: Error Saving! | Unable to save WST file! Do you have write permissions to "
            "the QUAVEL folder?"}));
    EXPECT_FALSE(window->isVisible());
}

}  // namespace
