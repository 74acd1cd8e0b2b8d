#include "editor/PublishTargetButtons.h"

#include "editor/ControlIds.h"
#include "editor/WindowControls.h"
#include "tests/controls/WidgetTesting.h"

#include <QButtonGroup>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <array>

namespace {

using namespace ControlId;

// The four buttons in one exclusive group, as the window builds them.
class PublishTargetButtonsTest : public testing::Test {
protected:
    PublishTargetButtonsTest()
    {
        for (int id : ids) {
            auto* button = new QRadioButton(&window);
            group.addButton(button);
            controls.Add(id, *button);
        }
    }

    QAbstractButton& Button(int id) { return *qobject_cast<QAbstractButton*>(controls.Find(id)); }

    static constexpr std::array ids{
        PublishToServer, PublishToGame, PublishToBoth, PublishToWorkingFolder};
    QWidget window;
    QButtonGroup group{&window};
    WindowControls controls;
};

TEST_F(PublishTargetButtonsTest, OfferFollowsTheInstallsFound)
{
    struct Case {
        const char* name;
        InstallsFound found;
        std::array<bool, 4> enabled;  // Server, Game, Both, working folder
        PublishTarget checked;
    };
    const Case cases[] = {
        {"neither", {false, false}, {false, false, false, true}, PublishTarget::WorkingFolder},
        {"game only", {false, true}, {false, true, false, true}, PublishTarget::Game},
        {"server only", {true, false}, {true, false, false, true}, PublishTarget::Server},
        {"both", {true, true}, {true, true, true, true}, PublishTarget::Server},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PublishTargetButtons buttons(controls);
        buttons.Offer(c.found);
        for (std::size_t i = 0; i < ids.size(); ++i)
            EXPECT_EQ(Button(ids[i]).isEnabled(), c.enabled[i]) << ids[i];
        EXPECT_EQ(buttons.Checked(), c.checked);
    }
}

TEST_F(PublishTargetButtonsTest, CheckedIsNoneUntilOneIsChecked)
{
    PublishTargetButtons buttons(controls);
    EXPECT_EQ(buttons.Checked(), std::nullopt);
    Button(PublishToBoth).setChecked(true);
    EXPECT_EQ(buttons.Checked(), PublishTarget::Both);
}

}  // namespace
