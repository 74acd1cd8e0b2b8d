#include "controls/StyledButton.h"
#include "tests/controls/WidgetTesting.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <vector>

namespace {

const QColor panelColor(0, 160, 0);

// A check box on a green panel, wide enough that its right end holds neither
// the indicator nor the text.
class StyledButtonTest : public testing::Test {
protected:
    StyledButtonTest()
    {
        QPalette palette = panel.palette();
        palette.setColor(QPalette::Window, panelColor);
        panel.setPalette(palette);
        panel.setAutoFillBackground(true);
        panel.resize(200, 60);
        box.setText("Scout");
        box.setGeometry(10, 10, 150, 20);
        other.setGeometry(10, 35, 150, 20);
        panel.show();
    }

    QColor ColorAtRightEnd()
    {
        return PaintedImage(box).pixelColor(box.width() - 5, box.height() / 2);
    }

    // Clicks in the middle of the text, or presses Space with the box focused.
    void Press(bool byKey)
    {
        if (byKey) {
            box.setFocus();
            QTest::keyClick(&box, Qt::Key_Space);
        } else {
            QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(40, box.height() / 2));
        }
    }

    QWidget panel;
    StyledButton box{&panel};
    StyledButton other{&panel};
};

TEST_F(StyledButtonTest, IsTransparentUntilMadeOpaqueThenPaintsItsBackgroundColour)
{
    box.SetBackgroundColor(QColor(0, 0, 255));
    EXPECT_TRUE(box.IsTransparent());
    EXPECT_EQ(ColorAtRightEnd(), panelColor);
    EXPECT_TRUE(box.SetTransparent(false));
    EXPECT_EQ(ColorAtRightEnd(), QColor(0, 0, 255));
    EXPECT_TRUE(box.SetTransparent(true));
    EXPECT_EQ(ColorAtRightEnd(), panelColor);
}

TEST_F(StyledButtonTest, TextIsPaintedInTheTextColour)
{
    const QColor red(255, 0, 0);
    const QRect textArea(20, 0, 130, 20);
    EXPECT_EQ(CountPixels(PaintedImage(box), textArea, red, 40), 0);
    box.SetTextColor(red);
    box.SetBold(true);
    EXPECT_GT(CountPixels(PaintedImage(box), textArea, red, 40), 10);
}

struct ClickCase {
    const char* name;
    bool tristate;
    bool byKey;
    std::vector<Qt::CheckState> states;  // after each press
    Qt::CheckState start = Qt::Unchecked;  // set by the program
};

class StyledButtonClickTest : public StyledButtonTest,
                              public testing::WithParamInterface<ClickCase> { };

TEST_P(StyledButtonClickTest, EachPressAdvancesTheCheckState)
{
    box.setTristate(GetParam().tristate);
    box.setCheckState(GetParam().start);
    QSignalSpy clicks(&box, &QCheckBox::clicked);
    for (Qt::CheckState expected : GetParam().states) {
        Press(GetParam().byKey);
        EXPECT_EQ(box.checkState(), expected);
    }
    EXPECT_EQ(clicks.count(), static_cast<int>(GetParam().states.size()));
}

const std::vector<Qt::CheckState> classBoxCycle{
    Qt::Checked, Qt::PartiallyChecked, Qt::Unchecked, Qt::Checked};
const std::vector<Qt::CheckState> toggle{Qt::Checked, Qt::Unchecked, Qt::Checked};

INSTANTIATE_TEST_SUITE_P(Presses, StyledButtonClickTest,
    testing::Values(ClickCase{"ThreeStateByMouse", true, false, classBoxCycle},
        ClickCase{"ThreeStateBySpace", true, true, classBoxCycle},
        ClickCase{"TwoStateByMouse", false, false, toggle},
        ClickCase{"TwoStateBySpace", false, true, toggle},
        ClickCase{"MixedSetByTheProgramClears", true, false, {Qt::Unchecked}, Qt::PartiallyChecked}),
    [](const testing::TestParamInfo<ClickCase>& testCase) { return testCase.param.name; });

}  // namespace
