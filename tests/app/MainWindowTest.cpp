#include "app/MainWindow.h"

#include "app/ControlTable.h"
#include "app/DialogUnits.h"
#include "editor/ControlIds.h"
#include "tests/app/WindowTesting.h"

#include <QButtonGroup>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTimer>

#include <vector>

namespace {

using namespace ControlId;

class MainWindowTest : public WindowTest {
protected:
    QRect Pixels(int x, int y, int width, int height)
    {
        return DialogUnitsToPixels(QRect(x, y, width, height), window.font());
    }
};

TEST_F(MainWindowTest, WindowIsAFixedSizeMinimisableDialog)
{
    EXPECT_EQ(window.windowTitle(), "Battlefield Vietnam Quavel v1.0 beta 1a");
    EXPECT_EQ(window.size(), Pixels(0, 0, 444, 289).size());
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(window.windowIcon().isNull());
}

TEST_F(MainWindowTest, EveryAddressedControlIsFoundByIdentifierAndObjectName)
{
    for (const ControlSpec& entry : controlTable) {
        if (entry.id == None)
            continue;
        QWidget* control = window.Control(entry.id);
        ASSERT_NE(control, nullptr) << entry.id;
        EXPECT_EQ(window.findChild<QWidget*>(QString::number(entry.id)), control) << entry.id;
    }
    EXPECT_EQ(window.Control(4242), nullptr);
}

TEST_F(MainWindowTest, ControlsSitAtTheirDialogUnitRectangles)
{
    struct Case {
        int id;
        QRect dialogUnits;
    };
    const Case cases[] = {
        {ProfileList, {12, 14, 148, 51}},
        {NewButton, {13, 68, 24, 14}},
        {PublishToWorkingFolder, {171, 69, 32, 10}},
        {RedTeamLabel, {12, 100, 93, 14}},
        {BlueAssault, {120, 156, 52, 8}},
        {RedAssaultSecondary, {92, 156, 8, 8}},
        {BlueWeapon1 + 3, {116, 240, 22, 8}},
        {QuitButton, {388, 269, 50, 14}},
    };
    for (const Case& c : cases) {
        const QRect expected = DialogUnitsToPixels(c.dialogUnits, window.font());
        EXPECT_EQ(ControlOf(c.id).geometry(), expected) << c.id;
    }
    // A drop-down's height in the table is that of its opened list.
    const QRect ka25 = Pixels(376, 228, 52, 71);
    const QRect face = ControlOf(VehicleKa25).geometry();
    EXPECT_EQ(face.topLeft(), ka25.topLeft());
    EXPECT_EQ(face.width(), ka25.width());
    EXPECT_LT(face.height(), ka25.height());
}

TEST_F(MainWindowTest, OnlySaveAndRevertStartDisabled)
{
    for (QPushButton* button : window.findChildren<QPushButton*>()) {
        const bool saveOrRevert
            = button == window.Control(SaveButton) || button == window.Control(RevertButton);
        EXPECT_EQ(button->isEnabled(), !saveOrRevert) << button->text().toStdString();
        EXPECT_FALSE(button->autoDefault()) << button->text().toStdString();
    }
}

TEST_F(MainWindowTest, TabAfterHueySlickReachesAboutQuitAndTheLastThreeRows)
{
    ShowActive();
    ControlOf(VehicleHueySlick).setFocus();
    std::vector<int> reached;
    for (int i = 0; i < 6; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        reached.push_back(QApplication::focusWidget()->objectName().toInt());
    }
    EXPECT_EQ(reached,
        (std::vector<int>{
            AboutButton, QuitButton, VehicleKa25, VehicleMuttAlt, VehicleOh6, ProfileList}));
}

TEST_F(MainWindowTest, EscapeAndEnterLeaveTheWindowOpen)
{
    ShowActive();
    QSignalSpy finished(&window, &QDialog::finished);
    for (int focused : {QuitButton, NewButton, RedTeam, ProfileList}) {
        ControlOf(focused).setFocus();
        for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter})
            QTest::keyClick(QApplication::focusWidget(), key);
    }
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(finished.count(), 0);
}

TEST_F(MainWindowTest, QuitTakesTheClosePath)
{
    ShowActive();
    QSignalSpy finished(&window, &QDialog::finished);
    Click(QuitButton);
    EXPECT_EQ(finished.count(), 1);
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(window.editor().state.currentProfile.has_value());
}

TEST_F(MainWindowTest, CloseBoxTakesTheClosePath)
{
    ShowActive();
    QSignalSpy finished(&window, &QDialog::finished);
    EXPECT_TRUE(window.close());
    EXPECT_EQ(finished.count(), 1);
    EXPECT_FALSE(window.editor().state.currentProfile.has_value());
}

TEST_F(MainWindowTest, AboutOpensTheAboutBoxModally)
{
    ShowActive();
    QString opened;
    QTimer::singleShot(0, &window, [&opened] {
        QWidget* box = QApplication::activeModalWidget();
        opened = box->metaObject()->className();
        box->close();
    });
    Click(AboutButton);
    EXPECT_EQ(opened, "AboutBox");
    EXPECT_TRUE(window.isVisible());
}

TEST_F(MainWindowTest, PublishTargetsFormOneExclusiveGroupAndMarkNothing)
{
    auto& server = ControlOf<QRadioButton>(PublishToServer);
    auto& workingFolder = ControlOf<QRadioButton>(PublishToWorkingFolder);
    ASSERT_NE(server.group(), nullptr);
    EXPECT_EQ(server.group(), workingFolder.group());
    EXPECT_EQ(server.group()->buttons().size(), 4);
    EXPECT_TRUE(server.group()->exclusive());

    Click(PublishToServer);
    Click(PublishToWorkingFolder);
    EXPECT_FALSE(server.isChecked());
    EXPECT_TRUE(workingFolder.isChecked());
    EXPECT_FALSE(Modified());
}

TEST_F(MainWindowTest, StartsOnAllMapsWithTheWorkingFolderSwitchPassedOn)
{
    EXPECT_EQ(ControlOf<QComboBox>(MapFilter).currentText(), "All Maps");
    EXPECT_FALSE(window.editor().state.workingFolderOnly);
    MainWindow restricted(dialogs, true);
    EXPECT_TRUE(restricted.editor().state.workingFolderOnly);
}

TEST_F(MainWindowTest, ProgramChangesTriggerNoHandler)
{
    auto& list = ControlOf<QListWidget>(ProfileList);
    SetIndex(RedTeam, 3);  // the same team as blue: no message for a program change
    SetIndex(VehicleBm21, 5);
    ControlOf<QAbstractButton>(RedAssault).setChecked(false);
    list.setCurrentRow(0);
    EXPECT_TRUE(dialogs.applicationMessages.isEmpty());
    EXPECT_FALSE(Modified());
    EXPECT_EQ(StateOf(RedAssaultPrimary), Qt::Checked);
}

}  // namespace
