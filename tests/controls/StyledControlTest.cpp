// What the three styled controls share: colours, fonts and the tooltip.

#include "controls/StyledButton.h"
#include "controls/StyledComboBox.h"
#include "controls/StyledLabel.h"
#include "tests/controls/WidgetTesting.h"

#include <gtest/gtest.h>

template <class Control> class StyledControlTest : public testing::Test {
protected:
    Control control;
};

using StyledControls = testing::Types<StyledButton, StyledComboBox, StyledLabel>;
TYPED_TEST_SUITE(StyledControlTest, StyledControls);

TYPED_TEST(StyledControlTest, StartsWithTheSystemColours)
{
    const QPalette system = QApplication::palette();
    QColor text;
    QColor background;
    EXPECT_TRUE(this->control.GetTextColor(text));
    EXPECT_TRUE(this->control.GetBackgroundColor(background));
    EXPECT_EQ(text, system.color(QPalette::WindowText));
    EXPECT_EQ(background, system.color(this->control.backgroundRole()));
}

TYPED_TEST(StyledControlTest, ColoursAreReportedAndGoIntoThePaletteRolesTheStyleDrawsWith)
{
    EXPECT_TRUE(this->control.SetTextColor(QColor(200, 0, 0)));
    EXPECT_TRUE(this->control.SetBackgroundColor(QColor(0, 0, 200)));
    QColor text;
    QColor background;
    this->control.GetTextColor(text);
    this->control.GetBackgroundColor(background);
    EXPECT_EQ(text, QColor(200, 0, 0));
    EXPECT_EQ(background, QColor(0, 0, 200));
    const QPalette palette = this->control.palette();
    EXPECT_EQ(palette.color(QPalette::Active, this->control.foregroundRole()), QColor(200, 0, 0));
    EXPECT_EQ(palette.color(QPalette::Inactive, this->control.foregroundRole()), QColor(200, 0, 0));
    EXPECT_EQ(palette.color(QPalette::Active, this->control.backgroundRole()), QColor(0, 0, 200));
    EXPECT_EQ(palette.color(QPalette::Disabled, this->control.backgroundRole()), QColor(0, 0, 200));
}

TYPED_TEST(StyledControlTest, DisabledTextKeepsTheStyleColour)
{
    const QColor disabled = this->control.palette().color(QPalette::Disabled, QPalette::WindowText);
    this->control.SetTextColor(QColor(200, 0, 0));
    EXPECT_EQ(this->control.palette().color(QPalette::Disabled, QPalette::WindowText), disabled);
}

TYPED_TEST(StyledControlTest, SingleFontSettersAccumulate)
{
    EXPECT_TRUE(this->control.SetFontSize(14));
    EXPECT_TRUE(this->control.SetBold(true));
    EXPECT_TRUE(this->control.SetItalic(true));
    EXPECT_TRUE(this->control.SetFontName("DejaVu Serif"));
    QFont font;
    EXPECT_TRUE(this->control.GetFontDescription(font));
    EXPECT_EQ(font.pointSize(), 14);
    EXPECT_TRUE(font.bold());
    EXPECT_TRUE(font.italic());
    EXPECT_EQ(font.family(), "DejaVu Serif");
    EXPECT_EQ(this->control.font(), font);
}

TYPED_TEST(StyledControlTest, SetFontStartsFromScratch)
{
    this->control.SetFontSize(20);
    this->control.SetBold(true);
    EXPECT_TRUE(this->control.SetFont(10, false, true, "DejaVu Sans"));
    QFont font;
    this->control.GetFontDescription(font);
    EXPECT_EQ(font.pointSize(), 10);
    EXPECT_FALSE(font.bold());
    EXPECT_TRUE(font.italic());
    EXPECT_FALSE(font.underline());
    EXPECT_EQ(font.family(), "DejaVu Sans");
}

TYPED_TEST(StyledControlTest, FontDescriptionIsTheWindowFontUntilOneIsSet)
{
    QWidget window;
    QFont windowFont("DejaVu Serif", 11);
    window.setFont(windowFont);
    this->control.setParent(&window);
    QFont font;
    this->control.GetFontDescription(font);
    EXPECT_EQ(font, windowFont);

    QFont own("DejaVu Sans", 13, QFont::Bold);
    EXPECT_TRUE(this->control.SetFontDescription(own));
    this->control.GetFontDescription(font);
    EXPECT_EQ(font, own);
    this->control.setParent(nullptr);
}

TYPED_TEST(StyledControlTest, ActivatingATooltipWithoutTextFailsAndChangesNothing)
{
    EXPECT_FALSE(this->control.ActivateToolTip(true));
    EXPECT_FALSE(this->control.ActivateToolTip(false));
    EXPECT_TRUE(this->control.toolTip().isEmpty());
}

TYPED_TEST(StyledControlTest, TooltipCanBeSwitchedOffAndOnWithoutLosingItsText)
{
    EXPECT_TRUE(this->control.SetToolTipText("Allowed kits", true));
    EXPECT_EQ(this->control.toolTip(), "Allowed kits");
    EXPECT_TRUE(this->control.ActivateToolTip(false));
    EXPECT_TRUE(this->control.toolTip().isEmpty());
    EXPECT_TRUE(this->control.ActivateToolTip(true));
    EXPECT_EQ(this->control.toolTip(), "Allowed kits");
    EXPECT_TRUE(this->control.SetToolTipText("Later", false));
    EXPECT_TRUE(this->control.toolTip().isEmpty());
    EXPECT_TRUE(this->control.ActivateToolTip(true));
    EXPECT_EQ(this->control.toolTip(), "Later");
}
