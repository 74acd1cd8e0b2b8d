// The window as a person drives it: real controls clicked and typed into,
// headless. The profile commands themselves are tested on the session; here
// the question is whether each control reaches the session and shows it.

#include "app/MainWindow.h"

#include "tests/controls/WidgetTesting.h"
#include "tests/support/Documents.h"
#include "tests/support/FakeHome.h"
#include "tests/support/FakeWinePrefix.h"
#include "tests/support/ScriptedDialogs.h"

#include <QMenu>
#include <QSignalSpy>
#include <QTimer>

#include <cstdlib>
#include <functional>
#include <set>

namespace {

using namespace ControlId;

class MainWindowTest : public testing::Test {
public:
    MainWindowTest()
    {
        prefix.WriteRegistry(InstallsRegistryText("C:\\Server", "C:\\Game"));
        work.Write("Alpha.wst", DefaultBytes());
        work.Write("CustomCombat.wst", WithTeams("4/1"));
    }

    MainWindow& Window()
    {
        if (!window)
            window.emplace(dialogs,
                InstallSearch{{home.path(), prefix.path().string(), ""}, {}, std::nullopt});
        return *window;
    }
    template <class Control = QWidget> Control& Get(int id)
    {
        auto* control = Window().findChild<Control*>(QString::number(id));
        if (control == nullptr)
            throw std::logic_error("no control " + std::to_string(id));
        return *control;
    }
    // Key presses and the tab order need the window shown and active.
    void ShowActive()
    {
        Window().show();
        QApplication::setActiveWindow(&Window());
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Window()));
    }
    void Click(int id) { QTest::mouseClick(&Get<QAbstractButton>(id), Qt::LeftButton); }
    void Press(int id, Qt::Key key) { QTest::keyClick(&Get(id), key); }
    void PickEntry(int row)
    {
        auto& list = Get<QListWidget>(ControlId::ProfileList);
        QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier,
            list.visualItemRect(list.item(row)).center());
    }
    const Profile& Current() { return Window().session().profile(); }
    bool Modified() { return Window().session().state().modified; }
    Qt::CheckState StateOf(int id) { return Get<QCheckBox>(id).checkState(); }
    QColor BackgroundOf(int id)
    {
        QColor color;
        Get<StyledComboBox>(id).GetBackgroundColor(color);
        return color;
    }

    WorkingFolder work;
    FakeHome home;
    FakeWinePrefix prefix;
    ScriptedDialogs dialogs;
    std::optional<MainWindow> window;
};

TEST_F(MainWindowTest, StartsOnTheCustomCombatProfileWithoutAnyHandlerRunning)
{
    EXPECT_EQ(Current().name, "CustomCombat");
    EXPECT_EQ(Get<QListWidget>(ControlId::ProfileList).currentRow(), 2);
    EXPECT_EQ(Get<QComboBox>(RedTeam).currentText(), "Viet Cong");
    EXPECT_EQ(Get<QComboBox>(BlueTeam).currentText(), "US Marine");
    EXPECT_TRUE(Get<QRadioButton>(PublishToServer).isChecked());
    // Changes the program makes to controls never count as the user's.
    Get<QComboBox>(RedTeam).setCurrentIndex(4);
    Get<QComboBox>(VehicleBm21).setCurrentIndex(5);
    Get<QCheckBox>(RedAssault).setCheckState(Qt::Unchecked);
    EXPECT_TRUE(dialogs.log.empty());
    EXPECT_FALSE(Modified());
    EXPECT_FALSE(Get(SaveButton).isEnabled());
    EXPECT_EQ(Current().red.team, 1);
}

// Each user action on a control, and what the session and the window show after it.
TEST_F(MainWindowTest, UserActionsReachTheSession)
{
    struct Case {
        const char* name;
        std::function<void(MainWindowTest&)> act;
        std::function<void(MainWindowTest&, const Profile&)> check;
        std::vector<std::string> log = {};
        bool modified = true;
    };
    const Case cases[] = {
        {"kit box", [](MainWindowTest& test) { test.Click(RedScoutSecondary); },
            [](MainWindowTest& test, const Profile& profile) {
                EXPECT_EQ(profile.red.kits[1], 0);
                EXPECT_EQ(test.StateOf(RedScout), Qt::PartiallyChecked);
                EXPECT_TRUE(test.Get(SaveButton).isEnabled());
            }},
        {"class box: checked, mixed keeping the kits, then cleared",
            [](MainWindowTest& test) {
                test.Click(RedAssault);
                EXPECT_EQ(test.StateOf(RedAssaultPrimary), Qt::Checked);
                test.Click(RedAssault);
            },
            [](MainWindowTest& test, const Profile& profile) {
                EXPECT_EQ(profile.red.kits[2] + profile.red.kits[3], 0);
                EXPECT_EQ(test.StateOf(RedAssaultSecondary), Qt::Unchecked);
            }},
        {"weapon box", [](MainWindowTest& test) { test.Click(BlueWeapon1 + 4); },
            [](MainWindowTest&, const Profile& profile) { EXPECT_EQ(profile.blue.weapons[4], 0); }},
        {"substitute", [](MainWindowTest& test) { test.Press(VehicleUaz, Qt::Key_End); },
            [](MainWindowTest&, const Profile& profile) {
                EXPECT_EQ(profile.vehicles[7].alternative, GameCatalog::kVehicleCount - 1);
            }},
        {"the other side's team is refused",
            [](MainWindowTest& test) { test.Press(RedTeam, Qt::Key_End); },  // Special Forces, then...
            [](MainWindowTest& test, const Profile& profile) {
                EXPECT_EQ(profile.red.team, 5);
                test.Press(RedTeam, Qt::Key_Up);  // ...US Marine, blue's team
                EXPECT_EQ(test.Current().red.team, 0);
                EXPECT_EQ(test.Get<QComboBox>(RedTeam).currentIndex(), 0);
            },
            {"application: The teams must be different!"}},
        {"vehicles' Default button",
            [](MainWindowTest& test) {
                test.Press(VehicleM113, Qt::Key_Home);
                test.Click(RedScoutPrimary);
                test.Click(VehicleDefaultButton);
            },
            [](MainWindowTest& test, const Profile& profile) {
                for (int vehicle = 0; vehicle < GameCatalog::kVehicleCount; ++vehicle)
                    EXPECT_EQ(profile.vehicles[static_cast<std::size_t>(vehicle)].alternative,
                        vehicle);
                EXPECT_EQ(test.Get<QComboBox>(VehicleM113).currentText(), "M-113");
                EXPECT_EQ(profile.red.kits[0], 0);
            }},
        {"map filter colours the rows of the map only",
            [](MainWindowTest& test) { QTest::keyClicks(&test.Get(MapFilter), "Q"); },
            [](MainWindowTest& test, const Profile&) {
                const std::set<int> onMap{
                    VehicleBtr60, VehicleM113, VehiclePatton, VehiclePt76, VehicleT54};
                for (int row = 0; row < GameCatalog::kVehicleCount; ++row) {
                    const int id = VehicleOfPanelRow(row);
                    EXPECT_EQ(test.BackgroundOf(id),
                        onMap.contains(id) ? QColor(Qt::white) : QColor(128, 128, 128))
                        << row;
                }
            },
            {}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        window.reset();
        dialogs.log.clear();
        ShowActive();
        c.act(*this);
        c.check(*this, Current());
        EXPECT_EQ(dialogs.log, c.log);
        EXPECT_EQ(Modified(), c.modified);
    }
}

TEST_F(MainWindowTest, ListPickCancelledPutsTheSelectionBack)
{
    ShowActive();
    Click(RedScoutSecondary);
    dialogs.answers = {MessageAnswer::Cancel};
    PickEntry(1);
    EXPECT_EQ(dialogs.log,
        std::vector<std::string>{"application: Your profile has been modified. Save changes?"});
    EXPECT_EQ(Get<QListWidget>(ControlId::ProfileList).currentRow(), 2);
    EXPECT_EQ(Current().name, "CustomCombat");
}

TEST_F(MainWindowTest, PublishThroughTheWidgetsWritesTheServersFile)
{
    ShowActive();
    PickEntry(1);
    Click(RedScoutSecondary);
    Click(PublishButton);
    EXPECT_EQ(FileBytes(prefix.DriveC() / "Server/Mods/bfvietnam/save/GameModeSettings/"
                                          "CustomCombat.wst"),
        KitOff(DefaultBytes(), "NVA_Scout_Alt"));
    EXPECT_FALSE(Get(SaveButton).isEnabled());
    EXPECT_TRUE(dialogs.log.empty());
}

// The context menu of "Publish To", opened on a button, chooses a folder for
// the game; the buttons and their tooltips change at once.
TEST_F(MainWindowTest, ChosenFolderFromTheContextMenuChangesTheButtons)
{
    prefix.WriteRegistry(InstallsRegistryText("C:\\Server", std::nullopt));
    std::filesystem::create_directory(work.path() / "Mine");
    dialogs.folders = {(work.path() / "Mine").string()};
    ShowActive();
    const auto toolTips = [this] {
        std::vector<std::string> texts;
        for (int id : {PublishToServer, PublishToGame, PublishToBoth, PublishToWorkingFolder})
            texts.push_back(Get(id).isEnabled() ? Get(id).toolTip().toStdString() : "off");
        return texts;
    };
    const std::string server = (prefix.path() / "dosdevices/c:/Server").string()
        + "/Mods/bfvietnam/save/GameModeSettings/CustomCombat.wst";
    const std::string game
        = (work.path() / "Mine/Mods/bfvietnam/save/GameModeSettings/CustomCombat.wst").string();
    const std::string cwd = (work.path() / "CustomCombat.wst").string();
    EXPECT_EQ(toolTips(), (std::vector<std::string>{server, "off", "off", cwd}));
    EXPECT_EQ(Get(PublishToGame).toolTip().toStdString(),
        "no registry key HKEY_LOCAL_MACHINE\\SOFTWARE\\Wow6432Node\\EA GAMES\\Battlefield "
        "Vietnam");

    QStringList entries;
    QTimer::singleShot(0, [&entries] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        for (QAction* action : menu->actions()) {
            entries.append(action->text());
            if (action->text() == "Choose Game Folder...")
                action->trigger();
        }
        menu->close();
    });
    // Through the window system, as a person's click: the button is disabled.
    QTest::mouseClick(
        Window().windowHandle(), Qt::RightButton, {}, Get(PublishToBoth).geometry().center());

    EXPECT_EQ(entries.join('|').toStdString(),
        "Server|C:\\Server ($WINEPREFIX: " + prefix.path().string()
            + ")|Game|no registry key HKEY_LOCAL_MACHINE\\SOFTWARE\\Wow6432Node\\EA "
              "GAMES\\Battlefield Vietnam||Choose Game Folder...|Choose Server Folder...|Forget "
              "Chosen Folders");
    EXPECT_EQ(toolTips(),
        (std::vector<std::string>{server, game, "Server: " + server + "\nGame: " + game, cwd}));
    EXPECT_TRUE(Get<QRadioButton>(PublishToServer).isChecked());
}

TEST_F(MainWindowTest, EscapeAndEnterLeaveTheWindowOpenAndQuitAsks)
{
    ShowActive();
    QSignalSpy finished(&Window(), &QDialog::finished);
    Click(RedScoutSecondary);
    for (int focused : {QuitButton, NewButton, RedTeam, ControlId::ProfileList}) {
        Get(focused).setFocus();
        for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter})
            QTest::keyClick(QApplication::focusWidget(), key);
    }
    EXPECT_EQ(finished.count(), 0);
    dialogs.answers = {MessageAnswer::Cancel, MessageAnswer::No};
    Click(QuitButton);
    EXPECT_EQ(finished.count(), 0);
    Click(QuitButton);
    EXPECT_EQ(finished.count(), 1);
    EXPECT_EQ(dialogs.log.size(), 2U);
}

TEST_F(MainWindowTest, TabFollowsTheControlTable)
{
    ShowActive();
    Get(VehicleHueySlick).setFocus();
    std::vector<int> reached;
    for (int i = 0; i < 6; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        reached.push_back(QApplication::focusWidget()->objectName().toInt());
    }
    EXPECT_EQ(reached,
        (std::vector<int>{
            AboutButton, QuitButton, VehicleKa25, VehicleMuttAlt, VehicleOh6, ControlId::ProfileList}));
}

}  // namespace
