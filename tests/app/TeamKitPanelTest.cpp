#include "editor/TeamKitPanel.h"

#include "controls/StyledButton.h"
#include "controls/StyledComboBox.h"
#include "controls/StyledLabel.h"
#include "editor/ControlIds.h"
#include "tests/app/WindowTesting.h"

#include <vector>

namespace {

using namespace ControlId;

class TeamKitPanelTest : public WindowTest {
protected:
    Profile WithRedAssaultKits(Flag primary, Flag secondary)
    {
        Profile profile = BuiltInDefaultProfile();
        profile.red.kits[2] = primary;
        profile.red.kits[3] = secondary;
        return profile;
    }
};

TEST_F(TeamKitPanelTest, ClassBoxClicksCycleAndSetTheKits)
{
    struct Step {
        Qt::CheckState classBox;
        Qt::CheckState primary;
        Qt::CheckState secondary;
    };
    struct Case {
        const char* name;
        Flag primary;
        Flag secondary;
        std::vector<Step> afterEachClick;
    };
    const Case cases[] = {
        {"from cleared", 0, 0,
            {{Qt::Checked, Qt::Checked, Qt::Checked},
                {Qt::PartiallyChecked, Qt::Checked, Qt::Checked},
                {Qt::Unchecked, Qt::Unchecked, Qt::Unchecked}}},
        {"from one kit on", 0, 1, {{Qt::Unchecked, Qt::Unchecked, Qt::Unchecked}}},
        {"from both kits on", 1, 1, {{Qt::PartiallyChecked, Qt::Checked, Qt::Checked}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Load(WithRedAssaultKits(c.primary, c.secondary));
        for (const Step& step : c.afterEachClick) {
            Click(RedAssault);
            EXPECT_EQ(StateOf(RedAssault), step.classBox);
            EXPECT_EQ(StateOf(RedAssaultPrimary), step.primary);
            EXPECT_EQ(StateOf(RedAssaultSecondary), step.secondary);
        }
        EXPECT_TRUE(Modified());
    }
}

TEST_F(TeamKitPanelTest, KitBoxClickRecomputesItsClassBox)
{
    Load(BuiltInDefaultProfile());
    Click(BlueScoutSecondary);
    EXPECT_EQ(StateOf(BlueScoutSecondary), Qt::Unchecked);
    EXPECT_EQ(StateOf(BlueScout), Qt::PartiallyChecked);
    EXPECT_TRUE(Modified());

    Click(BlueScoutPrimary);
    EXPECT_EQ(StateOf(BlueScout), Qt::Unchecked);
    Click(BlueScoutSecondary);
    EXPECT_EQ(StateOf(BlueScout), Qt::PartiallyChecked);
    EXPECT_EQ(StateOf(BlueAssault), Qt::Checked);  // other rows untouched
}

TEST_F(TeamKitPanelTest, KitBoxTakesKeyboardClicks)
{
    Load(BuiltInDefaultProfile());
    ShowActive();
    ControlOf(RedEngineerPrimary).setFocus();
    Press(RedEngineerPrimary, Qt::Key_Space);
    EXPECT_EQ(StateOf(RedEngineerPrimary), Qt::Unchecked);
    EXPECT_EQ(StateOf(RedEngineer), Qt::PartiallyChecked);
}

TEST_F(TeamKitPanelTest, ProfileWithOnlyRedScoutAlternativeShowsThatRowMixed)
{
    Profile profile = BuiltInDefaultProfile();
    profile.red.kits.fill(0);
    profile.red.kits[1] = 1;
    profile.red.kits[4] = 2;  // only 1 counts as set
    Load(profile);
    EXPECT_EQ(StateOf(RedScout), Qt::PartiallyChecked);
    EXPECT_EQ(StateOf(RedAssault), Qt::Unchecked);
    EXPECT_EQ(StateOf(RedEngineer), Qt::Unchecked);
    EXPECT_EQ(StateOf(RedAntiTank), Qt::Unchecked);
    EXPECT_EQ(StateOf(BlueScout), Qt::Checked);
}

TEST_F(TeamKitPanelTest, ChoosingTheOtherSidesTeamIsRefusedAndReselected)
{
    struct Case {
        const char* name;
        int red;
        int blue;
        Qt::Key key;  // the user's choice on the red drop-down
        int expectedRed;
    };
    const Case cases[] = {
        {"US Army chosen against US Army becomes NVA", 2, 3, Qt::Key_Down, 0},
        {"NVA chosen against NVA becomes Viet Cong", 2, 0, Qt::Key_Home, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        dialogs.applicationMessages.clear();
        Profile profile = BuiltInDefaultProfile();
        profile.red.team = c.red;
        profile.blue.team = c.blue;
        Load(profile);

        Press(RedTeam, c.key);

        EXPECT_EQ(dialogs.applicationMessages, QStringList{"The teams must be different!"});
        EXPECT_EQ(dialogs.lastButtons, MessageButtons::Ok);
        EXPECT_EQ(IndexOf(RedTeam), c.expectedRed);
        EXPECT_EQ(IndexOf(BlueTeam), c.blue);
        EXPECT_TRUE(Modified());
    }
}

TEST_F(TeamKitPanelTest, TeamChangeKeepsTheSidesKitAndWeaponBoxes)
{
    Profile profile = BuiltInDefaultProfile();
    profile.blue.kits[6] = 0;
    profile.blue.weapons[2] = 0;
    Load(profile);

    Press(BlueTeam, Qt::Key_Down);

    EXPECT_TRUE(dialogs.applicationMessages.isEmpty());
    EXPECT_EQ(IndexOf(BlueTeam), 4);
    EXPECT_TRUE(Modified());
    Profile collected;
    window.editor().ControlsToProfile(collected);
    EXPECT_EQ(collected.blue.kits, profile.blue.kits);
    EXPECT_EQ(collected.blue.weapons, profile.blue.weapons);
}

TEST_F(TeamKitPanelTest, TeamListsHoldTheSixTeamsInCatalogOrder)
{
    for (int id : {RedTeam, BlueTeam}) {
        auto& list = ControlOf<QComboBox>(id);
        ASSERT_EQ(list.count(), GameCatalog::kTeamCount);
        EXPECT_EQ(list.itemText(0), "NVA");
        EXPECT_EQ(list.itemText(5), "Special Forces");
    }
}

TEST_F(TeamKitPanelTest, SidesShowTheirColours)
{
    const QColor red(255, 0, 0);
    const QColor blue(0, 0, 255);
    QColor color;
    for (auto [id, side] : {std::pair{RedTeamLabel, red}, std::pair{BlueTeamLabel, blue}}) {
        auto& heading = ControlOf<StyledLabel>(id);
        EXPECT_EQ(heading.font().pointSize(), 14);
        EXPECT_TRUE(heading.font().underline());
        heading.GetTextColor(color);
        EXPECT_EQ(color, side);
    }
    for (auto [id, side] : {std::pair{RedTeam, red}, std::pair{BlueTeam, blue}}) {
        auto& team = ControlOf<StyledComboBox>(id);
        team.GetBackgroundColor(color);
        EXPECT_EQ(color, side);
        team.GetTextColor(color);
        EXPECT_EQ(color, QColor(255, 255, 255));
        EXPECT_TRUE(team.font().bold());
    }
    for (Side side : bothSides) {
        for (const ClassRowIds& row : IdsOf(side).classRows) {
            auto& classBox = ControlOf<StyledButton>(row.classBox);
            classBox.GetTextColor(color);
            EXPECT_EQ(color, side == Side::Red ? red : blue);
            EXPECT_TRUE(classBox.font().bold());
            EXPECT_FALSE(ControlOf<StyledButton>(row.primaryKit).font().bold());
        }
    }
}

}  // namespace
