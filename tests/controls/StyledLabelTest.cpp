#include "controls/StyledLabel.h"
#include "tests/controls/WidgetTesting.h"

#include <gtest/gtest.h>

namespace {

const QColor panelColor(0, 160, 0);

class StyledLabelTest : public testing::Test {
protected:
    StyledLabelTest()
    {
        QPalette palette = panel.palette();
        palette.setColor(QPalette::Window, panelColor);
        panel.setPalette(palette);
        panel.setAutoFillBackground(true);
        panel.resize(220, 220);
        label.setGeometry(10, 10, 200, 200);
        label.setAlignment(Qt::AlignCenter);
        panel.show();
    }

    QColor ColorInCorner() { return PaintedImage(label).pixelColor(3, 3); }

    // The smallest rectangle around the pixels painted in the text colour.
    QRect TextBounds(QColor textColor)
    {
        const QImage painted = PaintedImage(label);
        QRect bounds;
        for (int y = 0; y < painted.height(); ++y)
            for (int x = 0; x < painted.width(); ++x)
                if (IsNear(painted.pixelColor(x, y), textColor, 60))
                    bounds |= QRect(x, y, 1, 1);
        return bounds;
    }

    QWidget panel;
    StyledLabel label{&panel};
};

TEST_F(StyledLabelTest, TeamTitleKeepsItsSizeWhenUnderlined)
{
    label.setText("Red Team");
    EXPECT_TRUE(label.SetFontSize(14));
    EXPECT_TRUE(label.SetTextColor(QColor(255, 0, 0)));
    EXPECT_TRUE(label.SetUnderline(true));
    QFont font;
    label.GetFontDescription(font);
    EXPECT_EQ(font.pointSize(), 14);
    EXPECT_TRUE(font.underline());
    EXPECT_FALSE(font.bold());
    EXPECT_TRUE(label.SetUnderline(false));
    label.GetFontDescription(font);
    EXPECT_EQ(font.pointSize(), 14);
    EXPECT_FALSE(font.underline());
}

TEST_F(StyledLabelTest, TextIsPaintedInTheTextColour)
{
    label.setText("Blue Team");
    label.SetTextColor(QColor(0, 0, 255));
    label.SetFontSize(14);
    EXPECT_GT(TextBounds(QColor(0, 0, 255)).width(), 40);
}

TEST_F(StyledLabelTest, IsTransparentUntilToldOtherwise)
{
    label.SetBackgroundColor(QColor(255, 255, 255));
    EXPECT_TRUE(label.IsTransparent());
    EXPECT_EQ(ColorInCorner(), panelColor);
    EXPECT_TRUE(label.SetTransparent(false));
    EXPECT_FALSE(label.IsTransparent());
    EXPECT_EQ(ColorInCorner(), QColor(255, 255, 255));
}

struct RotationCase {
    const char* name;
    int degrees;
    bool upright;  // the text runs up or down rather than across
};

class StyledLabelRotationTest : public StyledLabelTest,
                                public testing::WithParamInterface<RotationCase> { };

TEST_P(StyledLabelRotationTest, TextTurnsAboutTheCentre)
{
    label.setText("Substitute Vehicles");
    label.SetTextColor(QColor(0, 0, 0));
    EXPECT_TRUE(label.SetRotation(GetParam().degrees));
    const QRect bounds = TextBounds(QColor(0, 0, 0));
    ASSERT_FALSE(bounds.isEmpty());
    EXPECT_EQ(bounds.height() > bounds.width(), GetParam().upright);
    EXPECT_NEAR(bounds.center().x(), label.width() / 2, 3);
    EXPECT_NEAR(bounds.center().y(), label.height() / 2, 3);
}

INSTANTIATE_TEST_SUITE_P(Rotations, StyledLabelRotationTest,
    testing::Values(RotationCase{"None", 0, false}, RotationCase{"Quarter", 90, true},
        RotationCase{"Half", 180, false}, RotationCase{"BackQuarter", -90, true}),
    [](const testing::TestParamInfo<RotationCase>& testCase) { return testCase.param.name; });

}  // namespace
