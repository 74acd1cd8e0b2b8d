#include "editor/Editor.h"

#include "editor/ControlIds.h"
#include "tests/app/WindowTesting.h"

#include <QListWidget>

namespace {

using namespace ControlId;

using EditorTest = WindowTest;

Profile UnusualProfile()
{
    Profile profile;
    profile.name = "Unusual";
    profile.red.team = 4;
    profile.blue.team = 4;                        // the same team twice, as a file may have it
    profile.red.kits = {0, 0, 0, 0, 0, 0, 0, 1};  // only the Heavy_Assault alternative kit
    profile.blue.kits = {1, 1, 0, 0, 1, 0, 0, 0};
    profile.red.weapons = {1, 0, 1, 0, 1, 0};
    profile.blue.weapons = {0, 0, 0, 0, 0, 1};
    for (int i = 0; i < GameCatalog::kVehicleCount; ++i)
        profile.vehicles[static_cast<std::size_t>(i)].alternative
            = GameCatalog::kVehicleCount - 1 - i;
    profile.vehicles[6].alternative = -1;
    profile.vehicles[12].alternative = 12;
    return profile;
}

TEST_F(EditorTest, ProfileSurvivesTheRoundTripThroughTheControls)
{
    const Profile shown = UnusualProfile();
    window.editor().ProfileToControls(shown);

    Profile collected;
    collected.name = shown.name;
    window.editor().ControlsToProfile(collected);

    EXPECT_EQ(collected, shown);
    EXPECT_TRUE(dialogs.applicationMessages.isEmpty());  // same teams are shown as they are
    EXPECT_EQ(StateOf(RedAntiTank), Qt::PartiallyChecked);
    EXPECT_EQ(StateOf(BlueScout), Qt::Checked);
}

TEST_F(EditorTest, ControlsToProfileStoresMinusOneForAnEmptyTeamList)
{
    SetIndex(BlueTeam, -1);
    Profile collected;
    window.editor().ControlsToProfile(collected);
    EXPECT_EQ(collected.blue.team, -1);
    EXPECT_EQ(collected.red.team, 0);
}

TEST_F(EditorTest, RefreshMarksTheProfileModifiedThroughTheClassBoxes)
{
    ASSERT_FALSE(Modified());
    window.editor().ProfileToControls(UnusualProfile());
    EXPECT_TRUE(Modified());
}

TEST_F(EditorTest, StartShowsTheBuiltInDefaultProfileClean)
{
    auto& list = ControlOf<QListWidget>(ProfileList);
    ASSERT_EQ(list.count(), 1);
    EXPECT_EQ(list.item(0)->text(), "Default");
    EXPECT_EQ(window.editor().state.SelectedProfileIndex(), 0);
    ASSERT_TRUE(window.editor().state.currentProfile.has_value());
    EXPECT_EQ(*window.editor().state.currentProfile, BuiltInDefaultProfile());
    EXPECT_FALSE(Modified());

    Profile collected = BuiltInDefaultProfile();
    collected.red.team = collected.blue.team = -2;  // overwritten by the collect
    window.editor().ControlsToProfile(collected);
    EXPECT_EQ(collected, BuiltInDefaultProfile());
}

TEST_F(EditorTest, CloseReleasesTheCurrentProfile)
{
    EXPECT_TRUE(window.editor().Close());
    EXPECT_FALSE(window.editor().state.currentProfile.has_value());
}

}  // namespace
