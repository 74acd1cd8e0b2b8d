#include "app/DialogUnits.h"
#include "tests/controls/WidgetTesting.h"

#include <gtest/gtest.h>

namespace {

// The window's rows of controls sit edge to edge in units, and must in pixels.
TEST(DialogUnitsTest, RectanglesThatTouchInUnitsTouchInPixels)
{
    for (int points : {8, 9, 12}) {
        const QFont font("Liberation Sans", points);
        for (int x = 0; x < 40; ++x) {
            const QRect left = DialogUnitsToPixels(QRect(x, 7, 13, 5), font);
            const QRect right = DialogUnitsToPixels(QRect(x + 13, 12, 9, 3), font);
            EXPECT_EQ(left.right() + 1, right.left()) << points << " pt at x " << x;
            EXPECT_EQ(left.bottom() + 1, right.top()) << points << " pt at x " << x;
        }
    }
}

}  // namespace
