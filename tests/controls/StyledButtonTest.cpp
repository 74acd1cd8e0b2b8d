#include "controls/StyledButton.h"
#include "tests/controls/WidgetTesting.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <vector>

namespace {

// A class box, as the kit panels have it: three states, coloured text.
class StyledButtonTest : public testing::Test {
protected:
    StyledButtonTest()
    {
        panel.resize(200, 40);
        box.setText("Scout");
        box.setGeometry(10, 10, 150, 20);
        box.setTristate(true);
        panel.show();
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
};

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
    bool byKey;
    std::vector<Qt::CheckState> states;  // after each press
    Qt::CheckState start = Qt::Unchecked;  // set by the program
};

class StyledButtonClickTest : public StyledButtonTest,
                              public testing::WithParamInterface<ClickCase> { };

// Cleared, checked, mixed, cleared: mixed comes last, as it means "as the kits are".
TEST_P(StyledButtonClickTest, EachPressAdvancesTheCheckState)
{
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

INSTANTIATE_TEST_SUITE_P(Presses, StyledButtonClickTest,
    testing::Values(ClickCase{"ByMouse", false, classBoxCycle},
        ClickCase{"BySpace", true, classBoxCycle},
        ClickCase{"MixedSetByTheProgramClears", false, {Qt::Unchecked}, Qt::PartiallyChecked}),
    [](const testing::TestParamInfo<ClickCase>& testCase) { return testCase.param.name; });

}  // namespace
