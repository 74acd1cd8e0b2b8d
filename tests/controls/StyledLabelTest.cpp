#include "controls/StyledLabel.h"
#include "tests/controls/WidgetTesting.h"

#include <gtest/gtest.h>

namespace {

// A team's heading: its text in the team's colour, at the heading's size.
TEST(StyledLabelTest, PaintsTheTextInItsColourAndSize)
{
    QWidget panel;
    panel.resize(220, 60);
    StyledLabel label(&panel);
    label.setGeometry(10, 10, 200, 40);
    label.setText("Blue Team");
    panel.show();
    label.SetTextColor(QColor(0, 0, 255));
    label.SetFontSize(14);
    // The rectangle around the pixels in the text colour.
    const QImage painted = PaintedImage(label);
    QRect text;
    for (int y = 0; y < painted.height(); ++y)
        for (int x = 0; x < painted.width(); ++x)
            if (IsNear(painted.pixelColor(x, y), QColor(0, 0, 255), 60))
                text |= QRect(x, y, 1, 1);
    EXPECT_GT(text.width(), 60);
    EXPECT_GT(text.height(), 12);
}

}  // namespace
