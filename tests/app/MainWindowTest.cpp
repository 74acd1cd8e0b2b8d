// The window as a person drives it: real controls clicked and typed into,
// headless. The profile commands themselves are tested on the session; here
// the question is whether each control reaches the session and shows it.
// The look tests (readable under a dark palette, nothing clipped) run again
// at the scale factors of high-density screens (CMakeLists.txt).

#include "app/MainWindow.h"
#include "app/AboutBox.h"

#include "session/Sha256.h"
#include "tests/controls/WidgetTesting.h"
#include "tests/support/Documents.h"
#include "tests/support/FakeHome.h"
#include "tests/support/FakeWinePrefix.h"
#include "tests/support/LanguageScope.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/SshWorld.h"
#include "tests/support/StateHome.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QDateTime>
#include <QMenu>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyleOptionGroupBox>
#include <QTimer>
#include <QToolTip>

#include <gmock/gmock.h>

#include <algorithm>
#include <cmath>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <map>
#include <set>

#include <unistd.h>

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
        if (!window) {
            window.emplace(dialogs,
                InstallSearch{{home.path(), prefix.path().string(), ""}, {}, std::nullopt}, scope);
            window->Start();
        }
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
    void PressKeys(QKeyCombination keys)
    {
        QTest::keyClick(QApplication::focusWidget(), keys.key(), keys.keyboardModifiers());
    }
    int FocusedId() { return QApplication::focusWidget()->objectName().toInt(); }
    void PickEntry(int row)
    {
        auto& list = Get<QListWidget>(ControlId::ProfileList);
        QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier,
            list.visualItemRect(list.item(row)).center());
    }
    const Profile& Current() { return Window().session().profile(); }
    bool Modified() { return Window().session().state().modified; }
    Qt::CheckState StateOf(int id) { return Get<QCheckBox>(id).checkState(); }
    // Right-clicks the "Publish To" button, through the window system as a
    // person's click (the button may be disabled), and picks the entry of
    // that caption, if any; the menu's entries, "[x] " before a checked one.
    QStringList OpenPublishMenu(int id, const QString& pick = {})
    {
        QStringList entries;
        QTimer::singleShot(0, [&entries, pick] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr);
            for (QAction* action : menu->actions()) {
                entries.append((action->isChecked() ? "[x] " : "") + action->text());
                if (action->text() == pick)
                    action->trigger();
            }
            menu->close();
        });
        QTest::mouseClick(
            Window().windowHandle(), Qt::RightButton, {}, Get(id).geometry().center());
        return entries;
    }
    // The profile as the window's controls show it, read from the controls alone.
    Profile ShownProfile()
    {
        Profile shown{Current().name, {}, {}, {}};
        for (Side side : bothSides) {
            TeamSettings& settings = SettingsOf(shown, side);
            settings.team = Get<QComboBox>(IdsOf(side).team).currentIndex();
            for (std::size_t row = 0; row < GameCatalog::kitClasses.size(); ++row) {
                const GameCatalog::KitClass& kitClass = GameCatalog::kitClasses[row];
                const ClassRowIds& ids = IdsOf(side).classRows[row];
                settings.kits[static_cast<std::size_t>(kitClass.primarySlot)]
                    = StateOf(ids.primaryKit) == Qt::Checked;
                settings.kits[static_cast<std::size_t>(kitClass.secondarySlot)]
                    = StateOf(ids.secondaryKit) == Qt::Checked;
            }
            for (int slot = 0; slot < GameCatalog::kWeaponSlots; ++slot)
                settings.weapons[static_cast<std::size_t>(slot)]
                    = Get<QCheckBox>(IdsOf(side).firstWeapon + slot).isChecked();
        }
        for (int vehicle = 0; vehicle < GameCatalog::kVehicleCount; ++vehicle)
            shown.vehicles[static_cast<std::size_t>(vehicle)].alternative
                = Get<QComboBox>(VehicleOfPanelRow(GameCatalog::PanelRowOfVehicle(vehicle)))
                      .currentIndex();
        return shown;
    }
    std::filesystem::path ServerFile() const
    {
        return prefix.DriveC() / "Server/Mods/bfvietnam/save/GameModeSettings/CustomCombat.wst";
    }
    // What the server's "Publish To" button tells as the pointer rests on it.
    std::string ServerToolTip()
    {
        QAbstractButton& button = Get<QAbstractButton>(PublishToServer);
        QHelpEvent hover(QEvent::ToolTip, QPoint(2, 2), button.mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(&button, &hover);
        QToolTip::hideText();
        return button.toolTip().toStdString();
    }
    QColor BackgroundOf(int id)
    {
        QColor color;
        Get<StyledComboBox>(id).GetBackgroundColor(color);
        return color;
    }

    StateHome state;
    WorkingFolder work;
    FakeHome home;
    FakeWinePrefix prefix;
    ScriptedDialogs dialogs;
    PublishScope scope = PublishScope::Installs;
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
        // Blue first: a blue box read as its red neighbour would still be on.
        {"every weapon box",
            [](MainWindowTest& test) {
                for (int slot = 0; slot < GameCatalog::kWeaponSlots; ++slot) {
                    test.Click(BlueWeapon1 + slot);
                    test.Click(RedWeapon1 + slot);
                }
            },
            [](MainWindowTest&, const Profile& profile) {
                EXPECT_EQ(profile.red.weapons, decltype(profile.red.weapons){});
                EXPECT_EQ(profile.blue.weapons, decltype(profile.blue.weapons){});
            }},
        {"substitute", [](MainWindowTest& test) { test.Press(VehicleUaz, Qt::Key_End); },
            [](MainWindowTest&, const Profile& profile) {
                EXPECT_EQ(profile.vehicles[7].alternative, GameCatalog::kVehicleCount - 1);
            }},
        {"the other side's team is refused",
            [](MainWindowTest& test) {
                test.Press(RedTeam, Qt::Key_End);  // Special Forces, then...
            },
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
                    EXPECT_EQ(
                        profile.vehicles[static_cast<std::size_t>(vehicle)].alternative, vehicle);
                EXPECT_EQ(test.Get<QComboBox>(VehicleM113).currentText(), "M-113");
                EXPECT_EQ(profile.red.kits[0], 0);
            }},
        {"list pick cancelled puts the selection back",
            [](MainWindowTest& test) {
                test.Click(RedScoutSecondary);
                test.dialogs.answers = {MessageAnswer::Cancel};
                test.PickEntry(1);
            },
            [](MainWindowTest& test, const Profile& profile) {
                EXPECT_EQ(test.Get<QListWidget>(ControlId::ProfileList).currentRow(), 2);
                EXPECT_EQ(profile.name, "CustomCombat");
            },
            {"application: Your profile has been modified. Save changes?"}},
        {"clicks beside the entries keep the list selection",
            [](MainWindowTest& test) {
                auto& list = test.Get<QListWidget>(ControlId::ProfileList);
                QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier,
                    QPoint(4, list.viewport()->height() - 2));
                QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::ControlModifier,
                    list.visualItemRect(list.item(2)).center());
                test.Click(RedScoutSecondary);
            },
            [](MainWindowTest& test, const Profile&) {
                auto& list = test.Get<QListWidget>(ControlId::ProfileList);
                EXPECT_EQ(list.selectedItems(), QList<QListWidgetItem*>{list.item(2)});
                EXPECT_TRUE(test.Get(RevertButton).isEnabled());
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

// Ten edits through the controls, five undone, two redone, then undone back
// to the profile as loaded: the controls show each state, and the loaded one
// is unmodified, as a text editor has it.
TEST_F(MainWindowTest, UndoAndRedoKeys_WalkTheEditsAndBackToTheLoadedStateUnmodified)
{
    ShowActive();
    const std::function<void()> edits[] = {
        [this] { Click(RedScoutSecondary); },
        [this] { Click(RedScoutPrimary); },
        [this] { Click(RedWeapon1); },
        [this] { Click(BlueWeapon1); },
        [this] { Click(BlueAssaultPrimary); },
        [this] { Press(VehicleUaz, Qt::Key_End); },
        [this] { Click(RedWeapon1 + 1); },
        [this] { Press(RedTeam, Qt::Key_End); },
        [this] { Click(VehicleDefaultButton); },
        [this] { Click(BlueAntiTank); },  // checked, then mixed: no step
        [this] { Click(BlueScoutSecondary); },
    };
    std::vector<Profile> states{Current()};
    for (const auto& edit : edits) {
        edit();
        if (Current() != states.back())
            states.push_back(Current());
    }
    ASSERT_EQ(states.size(), 11u);
    const auto pressTimes = [this](int times, QKeyCombination keys) {
        for (int press = 0; press < times; ++press)
            PressKeys(keys);
    };
    struct Walk {
        int times;
        QKeyCombination keys;
        std::size_t state;
    };
    for (const Walk& walk : {Walk{5, Qt::CTRL | Qt::Key_Z, 5},
             Walk{2, Qt::CTRL | Qt::SHIFT | Qt::Key_Z, 7}, Walk{7, Qt::CTRL | Qt::Key_Z, 0},
             Walk{1, Qt::CTRL | Qt::Key_Z, 0}, Walk{1, Qt::CTRL | Qt::Key_Y, 1}}) {
        pressTimes(walk.times, walk.keys);
        SCOPED_TRACE("state " + std::to_string(walk.state));
        EXPECT_EQ(Current(), states[walk.state]);
        EXPECT_EQ(ShownProfile(), states[walk.state]);
        EXPECT_EQ(Modified(), walk.state != 0);
        EXPECT_EQ(Get(SaveButton).isEnabled(), walk.state != 0);
        EXPECT_EQ(Get(RevertButton).isEnabled(), walk.state != 0);
    }
    EXPECT_TRUE(dialogs.log.empty());
}

// The lines of the compare window's list of differing settings.
QStringList ComparedLines(QWidget& compare)
{
    QStringList lines;
    auto& list = *compare.findChild<QListWidget*>();
    for (int row = 0; row < list.count(); ++row)
        lines << list.item(row)->text();
    return lines;
}

// The compare window as the profile list's menu opens it on an entry, then
// switched to what the server holds: the current profile's unsaved edit counts.
TEST_F(MainWindowTest, CompareWithFromTheListMenu_ListsExactlyTheDifferingSettings)
{
    std::filesystem::create_directories(ServerFile().parent_path());
    work.Write(ServerFile(), DefaultBytes());
    ShowActive();
    Click(RedScoutSecondary);
    const QStringList expected{"Red Team: Viet Cong / NVA",
        "Red Team, Scout kit, secondary: not allowed / allowed", "Blue Team: US Marine / US Army"};
    QStringList menuEntries;
    QTimer::singleShot(0, [&menuEntries] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        for (QAction* action : menu->actions())
            menuEntries.append(action->text());
        menu->actions().front()->trigger();
        menu->close();
    });
    std::map<std::string, QStringList> listed;  // by the choice shown
    std::function<void()> whenOpen = [&] {
        auto* compare = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (compare == nullptr) {
            QTimer::singleShot(10, whenOpen);
            return;
        }
        auto& others = *compare->findChild<QComboBox*>();
        listed[others.currentText().toStdString()] = ComparedLines(*compare);
        others.setCurrentIndex(others.findText("Server (CustomCombat.wst)"));
        listed[others.currentText().toStdString()] = ComparedLines(*compare);
        compare->close();
    };
    QTimer::singleShot(0, whenOpen);
    auto& list = Get<QListWidget>(ControlId::ProfileList);
    QTest::mouseClick(Window().windowHandle(), Qt::RightButton, {},
        list.mapTo(&Window(), list.visualItemRect(list.item(1)).center()));
    EXPECT_EQ(menuEntries, QStringList{"Compare With..."});
    EXPECT_EQ(listed,
        (std::map<std::string, QStringList>{
            {"Alpha", expected}, {"Server (CustomCombat.wst)", expected}}));
    EXPECT_TRUE(Modified());
}

TEST_F(MainWindowTest, CtrlD_ComparesWithWhatTheCheckedTargetHolds)
{
    ShowActive();
    Click(PublishButton);  // the server's file is now the profile itself
    Click(RedScoutSecondary);
    QStringList lines;
    WhenModalOpens([&lines](QWidget& compare) {
        lines = ComparedLines(compare);
        compare.close();
    });
    PressKeys(Qt::CTRL | Qt::Key_D);
    EXPECT_EQ(lines, QStringList{"Red Team, Scout kit, secondary: not allowed / allowed"});
}

// The window with one named server, eu1 (sftp://bfv/~/a), reached through the
// test's own ssh configuration as the user's.
class WithServerTest : public MainWindowTest {
protected:
    WithServerTest()
    {
        ::setenv("QUAVEL_SSH_CONFIG", (world.path() / "ssh_config").c_str(), 1);
        std::filesystem::create_directories(remote.parent_path());
        home.WriteFile(".config/quavel/quavel.conf", "[server \"eu1\"]\nurl = sftp://bfv/~/a\n");
    }
    ~WithServerTest() override { ::unsetenv("QUAVEL_SSH_CONFIG"); }

    SshWorld world;
    // Its CustomCombat.wst.
    const std::filesystem::path remote
        = world.home() / "a/Mods/bfvietnam/save/GameModeSettings/CustomCombat.wst";
};

// What a server holds is fetched off the window's thread: the compare window
// opens at once saying that it asks, and shows the differences on the answer.
TEST_F(WithServerTest, CompareWithAServer_OpensAtOnceAndShowsTheAnswerWhenItComes)
{
    prefix.WriteRegistry(InstallsRegistryText(std::nullopt, "C:\\Game"));
    world.Write(remote, DefaultBytes());
    work.Write("Alpha.wst", WithTeams("4/1"));  // the current profile
    ShowActive();
    Click(PublishToServer);
    world.server(0).Signal(SIGSTOP);
    QStringList asking;
    QStringList answered;
    QStringList afterSwitching;  // to Alpha while the server was asked
    WhenModalOpens([&](QWidget& compare) {
        asking = ComparedLines(compare);
        auto& others = *compare.findChild<QComboBox*>();
        const int server = others.currentIndex();
        others.setCurrentIndex(others.findText("Alpha"));
        world.server(0).Signal(SIGCONT);
        QTest::qWait(1000);  // the first answer comes, for a choice no longer shown
        afterSwitching = ComparedLines(compare);
        others.setCurrentIndex(server);
        EXPECT_TRUE(QTest::qWaitFor([&] { return ComparedLines(compare) != asking; }, 20000));
        answered = ComparedLines(compare);
        compare.close();
    });
    PressKeys(Qt::CTRL | Qt::Key_D);
    world.server(0).Signal(SIGCONT);

    const QStringList differences{"Red Team: Viet Cong / NVA", "Blue Team: US Marine / US Army"};
    EXPECT_EQ(asking, QStringList{"asking the server..."});
    EXPECT_EQ(afterSwitching, QStringList{"No differences"});
    EXPECT_EQ(answered, differences);
}

// The server's button tells which profile is live there and when it was
// published, in the user's time zone, and that it was changed there since;
// publishing over such a change asks first.
TEST_F(MainWindowTest, ServerToolTip_SaysWhatIsLiveAndWhetherItWasChangedThere)
{
    ::setenv("TZ", "Australia/Lord_Howe", 1);
    ::tzset();
    ShowActive();
    PickEntry(1);
    Click(RedScoutSecondary);
    Click(PublishButton);
    const std::string journal = FileBytes(state.Journal());
    const QString published
        = QDateTime::fromString(QString::fromStdString(journal.substr(0, 20)), Qt::ISODate)
              .toLocalTime()
              .toString("yyyy-MM-dd HH:mm");
    const std::string server = (prefix.path() / "dosdevices/c:/Server").string()
        + "/Mods/bfvietnam/save/GameModeSettings/CustomCombat.wst";
    EXPECT_EQ(ServerToolTip(), server + "\nAlpha, published " + published.toStdString());
    work.Write(ServerFile(), "tuned on the server");
    EXPECT_EQ(ServerToolTip(),
        server + "\nchanged since it was published from here on " + published.toStdString());
    dialogs.answers = {MessageAnswer::No};
    Click(PublishButton);
    EXPECT_EQ(dialogs.log,
        std::vector<std::string>{"application: CustomCombat.wst in the server's folder was changed "
                                 "since it was last published from here. Replace it?"});
    EXPECT_EQ(FileBytes(ServerFile()), "tuned on the server");
    ::unsetenv("TZ");
    ::tzset();
}

TEST_F(MainWindowTest, FollowsWhatOtherProgramsDoInTheFolder)
{
    Window();
    work.Write("Zulu.wst", DefaultBytes());
    work.Write("next.tmp", WithTeams("4/0"));
    std::filesystem::rename(work / "next.tmp", work / "CustomCombat.wst");
    EXPECT_TRUE(QTest::qWaitFor([&] { return Current().red.team == 0; }));
    EXPECT_EQ(Get<QComboBox>(RedTeam).currentText(), "NVA");
    EXPECT_EQ(Get<QListWidget>(ControlId::ProfileList).count(), 4);
    EXPECT_EQ(Get<QListWidget>(ControlId::ProfileList).currentRow(), 2);
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
    const std::string empty = "\nno CustomCombat.wst";
    // The working folder holds a CustomCombat.wst that was never published.
    const std::string unknown = "\nnot published from here";
    EXPECT_EQ(toolTips(), (std::vector<std::string>{server + empty, "off", "off", cwd + unknown}));

    const QStringList entries = OpenPublishMenu(PublishToBoth, "Choose Game Folder...");
    EXPECT_EQ(entries.join('|').toStdString(),
        "Server|Holds: no CustomCombat.wst|[x] C:\\Server ($WINEPREFIX: " + prefix.path().string()
            + ")|Game|no registry key HKEY_LOCAL_MACHINE\\SOFTWARE\\Wow6432Node\\EA "
              "GAMES\\Battlefield Vietnam|CWD|Holds: not published from here||Choose Game "
              "Folder...|Choose Server Folder...|Forget Chosen Folders|Servers|Add Remote "
              "Server...|Import From Server...");
    EXPECT_EQ(toolTips(),
        (std::vector<std::string>{server + empty, game + empty,
            "Server: " + server + "\nGame: " + game
                + "\nServer: no CustomCombat.wst\nGame: no "
                  "CustomCombat.wst",
            cwd + unknown}));
    EXPECT_TRUE(Get<QRadioButton>(PublishToServer).isChecked());
}

// Two usable installs of the server: the one in use, and only it, is checked.
TEST_F(MainWindowTest, ContextMenuChecksTheInstallInUse)
{
    home.AddPrefix(".wine", InstallsRegistryText("C:\\Other", std::nullopt));
    std::filesystem::create_directories(home.path() / ".wine/drive_c/Other");
    ShowActive();
    EXPECT_EQ(OpenPublishMenu(PublishToServer).filter("C:\\").join('|').toStdString(),
        "[x] C:\\Server ($WINEPREFIX: " + prefix.path().string()
            + ")|C:\\Other (~/.wine: " + (home.path() / ".wine").string()
            + ")|[x] C:\\Game ($WINEPREFIX: " + prefix.path().string() + ")");
}

// A named server's file is fetched off the window's thread: while the server
// does not answer, the tooltip and the menu say it is being asked and the
// window goes on; the answer fills them in. The menu's check mark leaves the
// server out of "Server" and the settings file keeps that.
TEST_F(WithServerTest, NamedServer_AskedWithoutStoppingTheWindow_CheckedInTheMenu)
{
    world.Write(remote, "tuned there");
    world.server(0).Signal(SIGSTOP);
    ShowActive();
    EXPECT_THAT(ServerToolTip(), testing::EndsWith("\neu1: asking the server..."));
    world.server(0).Signal(SIGCONT);
    // The answer fills the tooltip in without another hover.
    const QAbstractButton& server = Get<QAbstractButton>(PublishToServer);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return server.toolTip().endsWith("\neu1: not published from here"); }, 20000))
        << server.toolTip().toStdString();

    EXPECT_THAT(OpenPublishMenu(PublishToServer, "eu1 (sftp://bfv/~/a)").join('|').toStdString(),
        testing::HasSubstr("|Servers|[x] eu1 (sftp://bfv/~/a)|Remove eu1|Add Remote Server...|"));
    EXPECT_THAT(ServerToolTip(), testing::Not(testing::HasSubstr("eu1")));
    EXPECT_THAT(
        FileBytes(home.path() / ".config/quavel/quavel.conf"), testing::HasSubstr("publish = no"));
}

// A server whose host key is unknown and whose file was changed there since
// it was last published from here takes both questions, one round each, and
// then the profile.
TEST_F(WithServerTest, PublishToAServer_TrustedThenReplaced)
{
    world.ForgetHostKey(0);
    world.Write(remote, "tuned there");
    std::filesystem::create_directories(state.Journal().parent_path());
    std::ofstream(state.Journal()) << "2026-01-02T03:04:05Z\t5\t" << Sha256Hex("older")
                                   << "\tNight\t/x/Night.wst\tsftp://bfv/~/a\n";
    dialogs.answers = {MessageAnswer::Yes, MessageAnswer::Yes};
    ShowActive();
    Click(PublishButton);

    ASSERT_EQ(dialogs.log.size(), 2u);
    EXPECT_THAT(dialogs.log[0], testing::HasSubstr(world.Fingerprint(0)));
    EXPECT_EQ(dialogs.log[1],
        "application: CustomCombat.wst in eu1 (sftp://bfv/~/a) was changed since it was last "
        "published from here. Replace it?");
    EXPECT_EQ(FileBytes(remote), FileBytes(work.path() / "CustomCombat.wst"));
}

// A publish to a server that does not answer connects to nothing before the
// watch takes it over (whose window goes on, and whose Cancel ends it: here
// at once), so the window's own events never wait for the server.
TEST_F(WithServerTest, PublishToAServerThatDoesNotAnswer_AllOfItUnderTheWatch)
{
    world.Write(remote, "tuned there");
    ShowActive();
    world.server(0).Signal(SIGSTOP);
    const auto clicked = std::chrono::steady_clock::now();
    std::chrono::steady_clock::duration untilTheWatch{};
    dialogs.watching = [&](const WatchedPublish& publish) {
        untilTheWatch = std::chrono::steady_clock::now() - clicked;
        std::stop_source cancel;
        cancel.request_stop();
        return publish({{}, {}, cancel.get_token()});
    };
    Click(PublishButton);
    world.server(0).Signal(SIGCONT);

    EXPECT_LT(untilTheWatch, std::chrono::seconds(1));
    EXPECT_EQ(FileBytes(remote), "tuned there");
}

// Started with +bvrm the window publishes into the working folder alone, and
// its menu offers no folder that could not be used.
TEST_F(MainWindowTest, ContextMenuUnderTheWorkingFolderSwitchOnlySaysSo)
{
    scope = PublishScope::WorkingFolderOnly;
    ShowActive();
    EXPECT_EQ(OpenPublishMenu(PublishToServer).join('|').toStdString(),
        "Started with +bvrm: publishing only into the working folder");
    EXPECT_TRUE(Get<QRadioButton>(PublishToWorkingFolder).isChecked());
    for (int id : {PublishToServer, PublishToGame, PublishToBoth})
        EXPECT_FALSE(Get(id).isEnabled()) << id;
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
        (std::vector<int>{AboutButton, QuitButton, VehicleKa25, VehicleMuttAlt, VehicleOh6,
            ControlId::ProfileList}));
    // The "Publish To" buttons are one stop, at the checked one; the arrows move and check.
    Get(PublishButton).setFocus();
    reached.clear();
    for (QKeyCombination keys : {QKeyCombination(Qt::Key_Tab), QKeyCombination(Qt::Key_Down),
             QKeyCombination(Qt::Key_Tab), Qt::SHIFT | Qt::Key_Backtab}) {
        PressKeys(keys);
        reached.push_back(FocusedId());
    }
    EXPECT_EQ(reached, (std::vector<int>{PublishToServer, PublishToGame, RedTeam, PublishToGame}));
    EXPECT_TRUE(Get<QRadioButton>(PublishToGame).isChecked());
}

TEST_F(MainWindowTest, FatalStartEndsTheProgramWithoutTheModalRun)
{
    // A folder the start cannot write; the superuser writes anywhere, so it starts as "nobody".
    std::filesystem::permissions(
        work.path(), std::filesystem::perms::owner_write, std::filesystem::perm_options::remove);
    if (::geteuid() == 0 && ::seteuid(65534) != 0)
        GTEST_SKIP() << "cannot run as another user";
    Window();
    ASSERT_EQ(::seteuid(::getuid()), 0);
    EXPECT_EQ(Window().RunModal(), MainWindow::kFatalExitCode);
    EXPECT_EQ(dialogs.log.size(), 1U);
}

// A shortcut presses its button, and nothing while the button is disabled.
TEST_F(MainWindowTest, ShortcutsPressTheirButtons)
{
    const std::pair<QKeyCombination, int> cases[]
        = {{Qt::CTRL | Qt::Key_N, NewButton}, {Qt::CTRL | Qt::Key_S, SaveButton},
            {Qt::CTRL | Qt::SHIFT | Qt::Key_S, SaveAsButton}, {Qt::CTRL | Qt::Key_R, RevertButton},
            {Qt::CTRL | Qt::Key_P, PublishButton}, {Qt::CTRL | Qt::Key_Q, QuitButton},
            {QKeyCombination(Qt::Key_F1), AboutButton}, {Qt::CTRL | Qt::Key_N, ControlId::None}};
    for (const auto& [keys, button] : cases) {
        SCOPED_TRACE(QKeySequence(keys).toString().toStdString());
        window.reset();
        dialogs.answers = {MessageAnswer::Cancel};
        dialogs.fileNames = {std::nullopt};
        dialogs.texts = {std::nullopt};
        ShowActive();
        Click(RedScoutSecondary);  // Save and Revert need edits
        std::vector<int> pressed;
        for (int id : {NewButton, SaveButton, SaveAsButton, RevertButton, PublishButton, QuitButton,
                 AboutButton})
            QObject::connect(&Get<QAbstractButton>(id), &QAbstractButton::clicked,
                [&pressed, id] { pressed.push_back(id); });
        if (button == AboutButton)
            WhenModalOpens([](QWidget& about) { about.close(); });
        if (button == ControlId::None)
            Get(NewButton).setEnabled(false);
        PressKeys(keys);
        EXPECT_EQ(pressed, button == ControlId::None ? std::vector<int>{} : std::vector{button});
    }
    EXPECT_EQ(Get(SaveButton).toolTip(), "Save (Ctrl+S)");
}

// What a screen reader on Linux says a control is: a drop-down's own name is
// its entry, so its name comes from the label that labels it.
QString SpokenName(QAccessibleInterface& control)
{
    if (control.role() != QAccessible::ComboBox)
        return control.text(QAccessible::Name);
    const auto labels = control.relations(QAccessible::Label);
    return labels.isEmpty() ? QString() : labels.first().first->text(QAccessible::Name);
}

TEST_F(MainWindowTest, AccessibilityTreeNamesEveryTabStopDifferently)
{
    ShowActive();
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(&Window());
    std::map<int, QString> names;
    std::set<QString> distinct;
    for (int i = 0; i < root->childCount(); ++i) {
        QAccessibleInterface& child = *root->child(i);
        auto* control = qobject_cast<QWidget*>(child.object());
        if (control == nullptr || (control->focusPolicy() & Qt::TabFocus) == 0)
            continue;
        const QString name = SpokenName(child);
        names[control->objectName().toInt()] = name;
        EXPECT_FALSE(name.isEmpty()) << control->objectName().toStdString();
        EXPECT_TRUE(distinct.insert(name).second) << name.toStdString();
    }
    EXPECT_EQ(names.size(), 75U);  // the "Publish To" group is one stop
    const std::map<int, QString> expected{{RedScoutSecondary, "Red Team, Scout kit, secondary"},
        {BlueAntiTank, "Blue Team, Anti-Tank"}, {BlueWeapon1 + 2, "Blue Team, weapon slot 3"},
        {RedTeam, "Red Team"}, {VehicleMuttAlt, "Substitute for MUTT Alt"},
        {VehicleOh6, "Substitute for OH-6 Loach"}, {MapFilter, "Show Vehicles For"},
        {ControlId::ProfileList, "Profiles"}, {SaveAsButton, "Save As"}};
    for (const auto& [id, name] : expected)
        EXPECT_EQ(names[id], name) << id;
}

double Luminance(QColor color)
{
    double sum = 0;
    for (auto [channel, weight] : {std::pair{color.redF(), 0.2126},
             std::pair{color.greenF(), 0.7152}, std::pair{color.blueF(), 0.0722}}) {
        const double linear
            = channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
        sum += weight * linear;
    }
    return sum;
}

std::map<QRgb, int> ColorCounts(const QImage& image, const QRect& area)
{
    std::map<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[image.pixel(x, y)];
    return counts;
}

// The background of a text.
QColor CommonestColor(const QImage& image, const QRect& area)
{
    const std::map<QRgb, int> counts = ColorCounts(image, area);
    return QColor(std::ranges::max_element(counts, {}, [](const auto& entry) {
        return entry.second;
    })->first);
}

// The WCAG contrast of the text in the area against its background: the
// commonest colour is the background, the pixel farthest from it the text.
double TextContrast(const QImage& image, const QRect& area)
{
    const double background = Luminance(CommonestColor(image, area));
    double contrast = 1;
    for (const auto& [color, count] : ColorCounts(image, area)) {
        const double text = Luminance(QColor(color));
        contrast = std::max(
            contrast, (std::max(text, background) + 0.05) / (std::min(text, background) + 0.05));
    }
    return contrast;
}

QPalette DarkDesktopPalette()
{
    QPalette dark(QColor(0xee, 0xee, 0xee), QColor(0x35, 0x35, 0x35), QColor(0x50, 0x50, 0x50),
        QColor(0x20, 0x20, 0x20), QColor(0x30, 0x30, 0x30), QColor(0xf0, 0xf0, 0xf0),
        QColor(0xff, 0xff, 0xff), QColor(0x2a, 0x2a, 0x2a), QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::ButtonText, QColor(0xf0, 0xf0, 0xf0));
    return dark;
}

QStringList TextsOf(QWidget& control)
{
    if (auto* dropDown = qobject_cast<QComboBox*>(&control)) {
        QStringList entries;
        for (int entry = 0; entry < dropDown->count(); ++entry)
            entries << dropDown->itemText(entry);
        return entries;
    }
    if (auto* button = qobject_cast<QAbstractButton*>(&control))
        return {button->text()};
    if (auto* label = qobject_cast<QLabel*>(&control))
        return {label->text()};
    return {};
}

// The window as painted after start-up has applied its look over a desktop
// with a dark palette, and where in it the control's text is drawn.
class MainWindowLookTest : public MainWindowTest {
protected:
    MainWindowLookTest()
    {
        QApplication::setPalette(DarkDesktopPalette());
        WindowStyle::Install();  // what start-up does after the desktop has set its palette
        Window().show();
        painted = Window().grab().toImage();
    }
    // The grab has as many pixels as the screen.
    QRect TextPixels(int id)
    {
        QWidget& control = Get(id);
        const QRectF area = TextArea(control).translated(control.pos());
        const qreal ratio = painted.devicePixelRatio();
        return QRectF(area.topLeft() * ratio, area.size() * ratio).toRect();
    }

    QImage painted;
};

// Colours the theme chooses keep text readable.
TEST_F(MainWindowLookTest, LookTextsStayReadableUnderADarkDesktopPalette)
{
    for (int id : {ControlId::VehicleBm21, ControlId::MapFilter, ControlId::NewButton,
             ControlId::PublishToServer})
        EXPECT_GE(TextContrast(painted, TextPixels(id)), 4.5) << id;
}

// The sides' colours are fixed, pure red and pure blue, on any desktop.
TEST_F(MainWindowLookTest, LookSideColoursArePureRedAndBlue)
{
    const QColor red(255, 0, 0);
    const QColor blue(0, 0, 255);
    const QColor white(255, 255, 255);
    struct Face {
        const char* name;
        int id;
        std::optional<QColor> background;  // none: the window's own
        QColor text;
    };
    const Face faces[] = {
        {"red heading", ControlId::RedTeamLabel, std::nullopt, red},
        {"blue heading", ControlId::BlueTeamLabel, std::nullopt, blue},
        {"red team drop-down", ControlId::RedTeam, red, white},
        {"blue team drop-down", ControlId::BlueTeam, blue, white},
        {"red class box", ControlId::RedScout, std::nullopt, red},
        {"blue class box", ControlId::BlueAntiTank, std::nullopt, blue},
    };
    const QColor windowColor = Window().palette().color(QPalette::Window);
    for (const Face& face : faces) {
        const QRect area = TextPixels(face.id);
        EXPECT_EQ(CommonestColor(painted, area), face.background.value_or(windowColor))
            << face.name;
        // Antialiasing blends the edges; the strokes themselves are the colour.
        EXPECT_GE(CountPixels(painted, area, face.text), 10) << face.name;
    }
}

TEST_F(MainWindowTest, LookOpenedVehicleListKeepsToItsRowsWithAScrollBar)
{
    ShowActive();
    auto& list = Get<QComboBox>(ControlId::VehicleBm21);
    list.showPopup();
    const QAbstractItemView& view = *list.view();
    EXPECT_LE(view.height(), (list.maxVisibleItems() + 1) * view.sizeHintForRow(0));
    EXPECT_TRUE(view.verticalScrollBar()->isVisible());
    list.hidePopup();
}

// Every caption and entry of the window fits its control, unclipped.
void ExpectEveryCaptionAndEntryFits(QWidget& window)
{
    for (QWidget* control : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (auto* box = qobject_cast<QGroupBox*>(control)) {
            QStyleOptionGroupBox option;
            option.initFrom(box);
            option.text = box->title();
            option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
            const QRect caption = box->style()->subControlRect(
                QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
            EXPECT_TRUE(box->rect().contains(caption)) << box->title().toStdString();
            continue;
        }
        const QRect area = TextArea(*control);
        auto* dropDown = qobject_cast<StyledComboBox*>(control);
        for (QString text : TextsOf(*control)) {
            text.remove(QLatin1Char('&'));  // a mnemonic's mark is drawn as an underline
            if (text.isEmpty())
                continue;
            const QFontMetrics metrics(dropDown ? dropDown->FaceFont(text) : control->font());
            EXPECT_LE(metrics.horizontalAdvance(text), area.width()) << text.toStdString();
            EXPECT_LE(metrics.height(), area.height()) << text.toStdString();
        }
    }
}

TEST_F(MainWindowTest, LookEveryCaptionAndEntryFitsItsControl)
{
    ExpectEveryCaptionAndEntryFits(Window());
}

std::vector<std::string> Languages()
{
    std::vector<std::string> languages;
    for (const QString& language : QStringLiteral(QUAVEL_LANGUAGES).split(' '))
        languages.push_back(language.toStdString());
    return languages;
}

// Each translation's captions fit the controls drawn for the English ones; a
// clipped caption takes a shorter wording in its catalogue, never a smaller font.
class CaptionsInEachLanguage : public MainWindowTest,
                               public testing::WithParamInterface<std::string> { };

TEST_P(CaptionsInEachLanguage, FitTheirControls)
{
    const LanguageScope language(GetParam());
    // The catalogue's header names its language: the window is not the English one.
    ASSERT_NE(
        std::string(Translated("")).find("Language: " + GetParam() + '\n'), std::string::npos);
    ExpectEveryCaptionAndEntryFits(Window());
}

INSTANTIATE_TEST_SUITE_P(Languages, CaptionsInEachLanguage, testing::ValuesIn(Languages()),
    [](const testing::TestParamInfo<std::string>& language) { return language.param; });

// The session's questions reach the dialogs in the user's language.
TEST_F(MainWindowTest, AsksToSaveChangesInTheUsersLanguage)
{
    const LanguageScope german("de");
    Click(RedScoutSecondary);
    dialogs.answers = {MessageAnswer::Cancel};
    PickEntry(1);
    EXPECT_EQ(dialogs.log,
        std::vector<std::string>{"application: Ihr Profil wurde geändert. Änderungen speichern?"});
}

}  // namespace
