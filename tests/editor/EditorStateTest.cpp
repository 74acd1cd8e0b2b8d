#include "editor/EditorState.h"

#include "editor/ControlIds.h"
#include "editor/WindowControls.h"
#include "tests/controls/WidgetTesting.h"

#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

// The three controls SetModified works on, Save and Revert disabled as the
// window starts them, and a profile list of "Default" and two profiles.
class EditorStateTest : public testing::Test {
protected:
    EditorStateTest()
    {
        profileList->addItems({"Default", "CustomCombat", "Other"});
        saveButton->setEnabled(false);
        revertButton->setEnabled(false);
        controls.Add(ControlId::ProfileList, *profileList);
        controls.Add(ControlId::SaveButton, *saveButton);
        controls.Add(ControlId::RevertButton, *revertButton);
    }

    void Select(int row)
    {
        profileList->clearSelection();
        if (row >= 0)
            profileList->item(row)->setSelected(true);
    }

    QWidget window;
    QListWidget* profileList = new QListWidget(&window);
    QPushButton* saveButton = new QPushButton("Save", &window);
    QPushButton* revertButton = new QPushButton("Revert", &window);
    WindowControls controls;
};

TEST_F(EditorStateTest, SetModifiedEnablesSaveAndRevertOnlyForAProfileFile)
{
    struct Case {
        const char* name;
        int selectedRow;
        bool startEnabled;
        bool flag;
        bool expectEnabled;
    };
    const Case cases[] = {
        {"file selected, modified", 1, false, true, true},
        {"file selected, clean", 2, true, false, false},
        {"Default selected, modified", 0, false, true, false},
        {"Default selected, clean leaves them enabled", 0, true, false, true},
        {"nothing selected, modified", -1, false, true, false},
        {"nothing selected, clean leaves them enabled", -1, true, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EditorState state(controls);
        Select(c.selectedRow);
        saveButton->setEnabled(c.startEnabled);
        revertButton->setEnabled(c.startEnabled);

        state.SetModified(c.flag);

        EXPECT_EQ(state.modified, c.flag);
        EXPECT_EQ(saveButton->isEnabled(), c.expectEnabled);
        EXPECT_EQ(revertButton->isEnabled(), c.expectEnabled);
    }
}

TEST_F(EditorStateTest, SelectedProfileIndexIsMinusOneWithoutSelection)
{
    EditorState state(controls);
    Select(-1);
    EXPECT_EQ(state.SelectedProfileIndex(), -1);
    Select(2);
    EXPECT_EQ(state.SelectedProfileIndex(), 2);
}

TEST_F(EditorStateTest, StartsCleanWithoutProfileOrPublishPaths)
{
    const EditorState state(controls);
    EXPECT_FALSE(state.modified);
    EXPECT_FALSE(state.currentProfile.has_value());
    EXPECT_FALSE(state.workingFolderOnly);
    EXPECT_TRUE(state.serverPublishPath.empty());
    EXPECT_TRUE(state.gamePublishPath.empty());
    EXPECT_EQ(state.profileStore, nullptr);
    EXPECT_FALSE(state.fatalError);
}

TEST_F(EditorStateTest, ConstructionFailsWhenAControlIsMissing)
{
    WindowControls incomplete;
    incomplete.Add(ControlId::ProfileList, *profileList);
    incomplete.Add(ControlId::SaveButton, *saveButton);
    EXPECT_THROW(EditorState state(incomplete), std::logic_error);
}

}  // namespace
