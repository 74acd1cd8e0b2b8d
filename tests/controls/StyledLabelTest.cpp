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

TEST_F(StyledLabelTest, PaintsTheTextColourAndIsTransparentUntilToldOtherwise)
{
    label.setText("Blue Team");
    label.SetTextColor(QColor(0, 0, 255));
    label.SetFontSize(14);
    EXPECT_GT(TextBounds(QColor(0, 0, 255)).width(), 40);
    label.SetBackgroundColor(QColor(255, 255, 255));
    EXPECT_TRUE(label.IsTransparent());
    EXPECT_EQ(ColorInCorner(), panelColor);
    EXPECT_TRUE(label.SetTransparent(false));
    EXPECT_EQ(ColorInCorner(), QColor(255, 255, 255));
}

}  // namespace
