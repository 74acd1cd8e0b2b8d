#include "app/MainWindow.h"

#include "editor/ControlIds.h"
#include "tests/app/WorkflowTesting.h"

#include <unistd.h>

namespace {

using namespace ControlId;

const std::filesystem::path kSettingsPath = "Mods/bfvietnam/save/GameModeSettings";

// The server installed in C:\BFV Server, the game in C:\BFV.
class PublisherTest : public WorkflowTest {
protected:
    PublisherTest() { winePrefix.WriteGameDirs("C:\\BFV Server", "C:\\BFV"); }

    std::filesystem::path ServerFile() const
    {
        return winePrefix.DriveC() / "BFV Server" / kSettingsPath / "CustomCombat.wst";
    }
    std::filesystem::path GameFile() const
    {
        return winePrefix.DriveC() / "BFV" / kSettingsPath / "CustomCombat.wst";
    }

    const std::string edited = DefaultDocumentWithDisabled("NVA_Scout_Alt");
};

TEST_F(PublisherTest, TypicalRoadPublishesAnEditForTheServer)
{
    WriteProfile("CustomCombat");
    StartWindow();
    ASSERT_EQ(CurrentName(), "CustomCombat");
    ASSERT_FALSE(Modified());

    ClearRedScoutAlternativeKit();
    EXPECT_EQ(StateOf(RedScout), Qt::PartiallyChecked);
    EXPECT_TRUE(Modified());
    EXPECT_TRUE(IsEnabled(SaveButton));
    EXPECT_TRUE(IsEnabled(RevertButton));
    Click(PublishToServer);
    Click(PublishButton);

    EXPECT_EQ(ReadBytes("CustomCombat.wst"), edited);
    EXPECT_EQ(ReadBytes(ServerFile()), edited);
    EXPECT_FALSE(std::filesystem::exists(GameFile()));
    EXPECT_FALSE(Modified());
    EXPECT_FALSE(IsEnabled(SaveButton));
    EXPECT_EQ(SelectedRow(), 1);
    EXPECT_TRUE(dialogs.log.isEmpty());
}

TEST_F(PublisherTest, EachTargetGetsItsCopy)
{
    struct Case {
        const char* name;
        int button;
        bool server;
        bool game;
        bool workingFolder;
    };
    const Case cases[] = {
        {"Server", PublishToServer, true, false, false},
        {"Game", PublishToGame, false, true, false},
        {"Both", PublishToBoth, true, true, false},
        {"CWD", PublishToWorkingFolder, false, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TemporaryWorkingFolder folder;
        std::filesystem::remove(ServerFile());
        std::filesystem::remove(GameFile());
        WriteProfile("Alpha");
        StartWindow();
        PickEntry(1);
        ClearRedScoutAlternativeKit();
        Click(c.button);
        Click(PublishButton);

        EXPECT_EQ(ReadBytes("Alpha.wst"), edited);
        EXPECT_EQ(std::filesystem::exists(ServerFile()), c.server);
        EXPECT_EQ(std::filesystem::exists(GameFile()), c.game);
        EXPECT_EQ(std::filesystem::exists("CustomCombat.wst"), c.workingFolder);
        for (const auto& file :
            {ServerFile(), GameFile(), std::filesystem::path("CustomCombat.wst")})
            if (std::filesystem::exists(file)) {
                EXPECT_EQ(ReadBytes(file), edited) << file;
            }
        // A copy in the working folder is listed; Alpha stays selected.
        EXPECT_EQ(Entries().contains("CustomCombat"), c.workingFolder);
        EXPECT_EQ(CurrentName(), "Alpha");
        EXPECT_EQ(SelectedRow(), 1);
        EXPECT_FALSE(Modified());
        EXPECT_TRUE(dialogs.log.isEmpty());
        window.reset();
    }
}

TEST_F(PublisherTest, CustomCombatPublishedIntoTheWorkingFolderIsItsOwnFile)
{
    WriteProfile("CustomCombat");
    StartWindow();
    ClearRedScoutAlternativeKit();
    Click(PublishToWorkingFolder);
    Click(PublishButton);
    EXPECT_EQ(ReadBytes("CustomCombat.wst"), edited);
    EXPECT_EQ(Entries(), QStringList({"Default", "CustomCombat"}));
    EXPECT_TRUE(dialogs.log.isEmpty());
}

TEST_F(PublisherTest, PublishingDefaultRewritesDefaultFileAndClearsTheEdits)
{
    StartWindow();
    ClearRedScoutAlternativeKit();
    Click(PublishButton);  // Server is checked
    EXPECT_EQ(ReadBytes("Default.wst"), edited);
    EXPECT_EQ(ReadBytes(ServerFile()), edited);
    EXPECT_FALSE(Modified());
    EXPECT_EQ(SelectedRow(), 0);
}

TEST_F(PublisherTest, MissingTargetFolderIsToldAndTheOtherTargetStillServed)
{
    StartWindow();
    std::filesystem::remove_all(winePrefix.DriveC() / "BFV Server" / "Mods");
    Click(PublishToBoth);
    Click(PublishButton);

    EXPECT_EQ(dialogs.log,
        QStringList({"application: Error Publishing to:\n"
            + QString::fromStdString(State().serverPublishPath) + "\nError: 2"}));
    EXPECT_EQ(ReadBytes(GameFile()), DefaultDocument());
}

TEST_F(PublisherTest, DriveWithoutAFolderInThePrefixIsToldAsMissing)
{
    winePrefix.WriteGameDirs("E:\\Server", "");
    StartWindow();
    dialogs.log.clear();
    Click(PublishButton);
    EXPECT_EQ(dialogs.log,
        QStringList({"application: Error Publishing to:\n"
                     "E:\\Server\\Mods\\bfvietnam\\save\\GameModeSettings\\CustomCombat.wst\n"
                     "Error: 2"}));
    EXPECT_FALSE(std::filesystem::exists("E:\\Server\\Mods\\bfvietnam\\save\\GameModeSettings\\"
                                         "CustomCombat.wst"));
}

TEST_F(PublisherTest, FailedWriteOfTheOwnFileKeepsTheEditsUnsaved)
{
    WriteProfile("Alpha");
    StartWindow();
    PickEntry(1);
    ClearRedScoutAlternativeKit();
    std::filesystem::remove("Alpha.wst");
    std::filesystem::create_directory("Alpha.wst");  // root-proof: no file can replace it
    Click(PublishButton);

    ASSERT_EQ(dialogs.log.size(), 1);
    EXPECT_TRUE(dialogs.log[0].startsWith("application: Error Publishing to:\n"
        + QString::fromStdString(State().serverPublishPath) + "\nError: "));
    EXPECT_FALSE(std::filesystem::exists(ServerFile()));
    EXPECT_TRUE(Modified());
    EXPECT_TRUE(IsEnabled(SaveButton));

    dialogs.answers = {MessageAnswer::Cancel};
    EXPECT_FALSE(window->close());
    EXPECT_EQ(dialogs.log.last(), kModifiedQuestion);
}

TEST_F(PublisherTest, WorkingFolderOfAnyLengthIsATarget)
{
    std::filesystem::path deep = std::filesystem::current_path();
    for (int level = 0; level < 6; ++level)
        deep /= std::string(60, static_cast<char>('a' + level));
    std::filesystem::create_directories(deep);
    std::filesystem::current_path(deep);
    ASSERT_GT(deep.string().size(), 360u);
    StartWindow();
    Click(PublishToWorkingFolder);
    Click(PublishButton);

    EXPECT_EQ(ReadBytes(deep / "CustomCombat.wst"), DefaultDocument());
    EXPECT_TRUE(dialogs.log.isEmpty());
    EXPECT_EQ(Entries(), QStringList({"Default", "CustomCombat"}));
}

TEST_F(PublisherTest, ExistingSettingsFolderOfAnotherLetterCaseReceivesTheFile)
{
    winePrefix.WriteGameDirs("C:\\Server", "");
    std::filesystem::create_directories(winePrefix.DriveC() / "Server/mods/BFVietnam/SAVE");
    StartWindow();
    Click(PublishButton);
    EXPECT_EQ(ReadBytes(winePrefix.DriveC()
                  / "Server/mods/BFVietnam/SAVE/GameModeSettings/CustomCombat.wst"),
        DefaultDocument());
    EXPECT_FALSE(std::filesystem::exists(winePrefix.DriveC() / "Server/Mods"));
}

}  // namespace
