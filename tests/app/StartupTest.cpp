#include "app/MainWindow.h"

#include "editor/ControlIds.h"
#include "tests/app/WorkflowTesting.h"

#include <unistd.h>

#include <array>
#include <vector>

namespace {

using namespace ControlId;

const std::filesystem::path kSettingsPath = "Mods/bfvietnam/save/GameModeSettings";

using StartupTest = WorkflowTest;

TEST_F(StartupTest, SelectsTheFirstCustomCombatProfileElseDefault)
{
    struct Case {
        const char* name;
        std::vector<std::string> files;
        QStringList entries;
        int selected;
    };
    // The list is sorted ignoring case: "customcombat_a" comes before "CustomCombatZ".
    const Case cases[] = {
        {"CustomCombat", {"CustomCombat"}, {"Default", "CustomCombat"}, 1},
        {"first in list order", {"CustomCombatZ", "customcombat_a", "Alpha"},
            {"Default", "Alpha", "customcombat_a", "CustomCombatZ"}, 2},
        {"no match", {"Alpha", "Combat"}, {"Default", "Alpha", "Combat"}, 0},
        {"no profile file", {}, {"Default"}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TemporaryWorkingFolder folder;
        for (const std::string& file : c.files)
            WriteProfile(file);
        StartWindow();

        EXPECT_EQ(Entries(), c.entries);
        EXPECT_EQ(SelectedRow(), c.selected);
        EXPECT_EQ(CurrentName(), c.selected == 0 ? "Default" : c.entries[c.selected].toStdString());
        EXPECT_FALSE(Modified());
        EXPECT_FALSE(IsEnabled(SaveButton));
        EXPECT_FALSE(IsEnabled(RevertButton));
        // Only a load of the built-in profile writes its file.
        EXPECT_EQ(std::filesystem::exists("Default.wst"), c.selected == 0);
        if (c.selected == 0) {
            EXPECT_EQ(ReadBytes("Default.wst"), DefaultDocument());
        }
        EXPECT_FALSE(std::filesystem::exists("quavel.tst"));
        EXPECT_TRUE(dialogs.log.isEmpty());
        window.reset();
    }
}

TEST_F(StartupTest, ShowsTheFileOfTheSelectedProfile)
{
    WriteProfile("CustomCombat", DefaultDocumentWithDisabled("NVA_Scout_Alt"));
    StartWindow();
    EXPECT_FALSE(IsChecked(RedScoutSecondary));
    EXPECT_EQ(StateOf(RedScout), Qt::PartiallyChecked);
    EXPECT_FALSE(Modified());
}

TEST_F(StartupTest, RefusedCustomCombatFileFallsBackToDefault)
{
    WriteProfile("CustomCombat", "<not a profile");
    StartWindow();
    ASSERT_EQ(dialogs.log.size(), 1);
    EXPECT_TRUE(dialogs.log[0].startsWith("window: Error Loading! | Unable to load WST file!\n"));
    EXPECT_GT(dialogs.log[0].size(),
        QString("window: Error Loading! | Unable to load WST file!\n").size());
    EXPECT_EQ(SelectedRow(), 0);
    EXPECT_EQ(CurrentName(), "Default");
    EXPECT_FALSE(Modified());
}

TEST_F(StartupTest, PublishTargetsFollowTheInstallsFound)
{
    struct Case {
        const char* name;
        std::string serverFolder;
        std::string gameFolder;
        bool workingFolderOnly;
        std::array<bool, 4> enabled;  // Server, Game, Both, CWD
        int checked;
    };
    const Case cases[] = {
        {"neither", "", "", false, {false, false, false, true}, PublishToWorkingFolder},
        {"game only", "", "C:\\Game", false, {false, true, false, true}, PublishToGame},
        {"server only", "C:\\Server", "", false, {true, false, false, true}, PublishToServer},
        {"both", "C:\\Server", "C:\\Game", false, {true, true, true, true}, PublishToServer},
        {"+bvrm", "C:\\Server", "C:\\Game", true, {false, false, false, true},
            PublishToWorkingFolder},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const FakeWinePrefix prefix;
        prefix.WriteGameDirs(c.serverFolder, c.gameFolder);
        StartWindow(c.workingFolderOnly);

        const std::array ids{PublishToServer, PublishToGame, PublishToBoth, PublishToWorkingFolder};
        for (std::size_t i = 0; i < ids.size(); ++i)
            EXPECT_EQ(IsEnabled(ids[i]), c.enabled[i]) << ids[i];
        EXPECT_TRUE(IsChecked(c.checked));
        const bool server = !c.serverFolder.empty() && !c.workingFolderOnly;
        const bool game = !c.gameFolder.empty() && !c.workingFolderOnly;
        EXPECT_EQ(State().serverPublishPath.empty(), !server);
        EXPECT_EQ(State().gamePublishPath.empty(), !game);
        EXPECT_EQ(
            std::filesystem::is_directory(prefix.DriveC() / "Server" / kSettingsPath), server);
        EXPECT_EQ(std::filesystem::is_directory(prefix.DriveC() / "Game" / kSettingsPath), game);
        if (server) {
            EXPECT_TRUE(std::filesystem::equivalent(
                std::filesystem::path(State().serverPublishPath).parent_path(),
                prefix.DriveC() / "Server" / kSettingsPath));
        }
        EXPECT_TRUE(dialogs.log.isEmpty());
        window.reset();
    }
}

TEST_F(StartupTest, SettingsFoldersThatCannotBeCreatedAreToldServerFirst)
{
    WriteBytes(winePrefix.DriveC() / "NotAFolder", "a file");
    // Drive D has no folder in the prefix; C:\NotAFolder is a file.
    winePrefix.WriteGameDirs("D:\\Server", "C:\\NotAFolder\\Game");
    StartWindow();

    const std::filesystem::path gameSettings
        = winePrefix.path() / "dosdevices/c:/NotAFolder/Game" / kSettingsPath;
    EXPECT_EQ(dialogs.log,
        QStringList({"application: Could not create directory:\n"
                     "D:\\Server\\Mods\\bfvietnam\\save\\GameModeSettings",
            "application: Could not create directory:\n"
                + QString::fromStdString(gameSettings.string())}));
    EXPECT_TRUE(IsEnabled(PublishToServer));
    EXPECT_TRUE(IsEnabled(PublishToGame));
    EXPECT_TRUE(IsChecked(PublishToServer));
    EXPECT_EQ(State().serverPublishPath,
        "D:\\Server\\Mods\\bfvietnam\\save\\GameModeSettings\\CustomCombat.wst");
}

TEST_F(StartupTest, AnExistingSettingsFolderOfAnotherLetterCaseIsUsed)
{
    std::filesystem::create_directories(winePrefix.DriveC() / "BFV Server/mods/BFVIETNAM");
    winePrefix.WriteGameDirs("C:\\BFV Server", "");
    StartWindow();

    EXPECT_TRUE(dialogs.log.isEmpty());
    const std::filesystem::path created
        = winePrefix.DriveC() / "BFV Server/mods/BFVIETNAM/save/GameModeSettings";
    EXPECT_TRUE(std::filesystem::is_directory(created));
    EXPECT_FALSE(std::filesystem::exists(winePrefix.DriveC() / "BFV Server/Mods"));
    EXPECT_TRUE(std::filesystem::equivalent(
        std::filesystem::path(State().serverPublishPath).parent_path(), created));
}

TEST_F(StartupTest, WorkingFolderThatCannotTakeTheTestFileEndsTheProgram)
{
    // Root-proof: exclusive creation fails on anything already named so.
    std::filesystem::create_directory("quavel.tst");
    WriteProfile("CustomCombat");
    StartWindow();

    EXPECT_EQ(dialogs.log,
        QStringList({"window:  | You do not have write access to the QUAVEL folder. This is "
                     "required for QUAVEL to work!"}));
    EXPECT_TRUE(State().fatalError);
    EXPECT_FALSE(State().currentProfile.has_value());
    EXPECT_FALSE(std::filesystem::exists("Default.wst"));
    EXPECT_EQ(window->RunModal(), MainWindow::kFatalExitCode);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(std::filesystem::is_directory("quavel.tst"));
}

TEST_F(StartupTest, ReadOnlyWorkingFolderEndsTheProgram)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "permission bits do not stop root";
    std::filesystem::permissions(
        ".", std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    StartWindow();
    EXPECT_TRUE(State().fatalError);
    EXPECT_EQ(dialogs.log.size(), 1);
    EXPECT_EQ(window->RunModal(), MainWindow::kFatalExitCode);
}

TEST_F(StartupTest, DefaultFileThatCannotBeWrittenEndsTheProgram)
{
    std::filesystem::create_directory("Default.wst");  // root-proof: no file can replace it
    StartWindow();

    EXPECT_EQ(dialogs.log,
        QStringList({"window: Critical Error | QUAVEL has enountered a critical error and cannot "
                     "continue. Verify QUAVEL has permission to create files in its working "
                     "directory and try again."}));
    EXPECT_TRUE(State().fatalError);
    EXPECT_FALSE(State().currentProfile.has_value());
    EXPECT_EQ(window->RunModal(), MainWindow::kFatalExitCode);
}

}  // namespace
