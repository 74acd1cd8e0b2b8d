#include "app/DialogUnits.h"
#include "tests/controls/WidgetTesting.h"

#include <QFontMetrics>
#include <gtest/gtest.h>

#include <cmath>

namespace {

const QString letters = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");

struct FontCase {
    const char* name;
    const char* family;
    int points;
};

class DialogUnitsTest : public testing::TestWithParam<FontCase> {
protected:
    QFont font{GetParam().family, GetParam().points};
    QFontMetrics metrics{font};
    int letterWidth = static_cast<int>(std::lround(metrics.horizontalAdvance(letters) / 52.0));
};

TEST_P(DialogUnitsTest, FourByEightUnitsAreOneAverageLetterByOneLine)
{
    EXPECT_EQ(
        DialogUnitsToPixels(QRect(0, 0, 4, 8), font), QRect(0, 0, letterWidth, metrics.height()));
}

TEST_P(DialogUnitsTest, EdgesAreRoundedToTheNearestPixel)
{
    const QRect pixels = DialogUnitsToPixels(QRect(10, 20, 30, 40), font);
    EXPECT_EQ(pixels.left(), std::lround(10 * letterWidth / 4.0));
    EXPECT_EQ(pixels.top(), std::lround(20 * metrics.height() / 8.0));
    EXPECT_EQ(pixels.left() + pixels.width(), std::lround(40 * letterWidth / 4.0));
    EXPECT_EQ(pixels.top() + pixels.height(), std::lround(60 * metrics.height() / 8.0));
}

// The main window's weapon slot row and its vehicle rows sit edge to edge.
TEST_P(DialogUnitsTest, RectanglesThatTouchInUnitsTouchInPixels)
{
    for (int x = 0; x < 40; ++x) {
        const QRect left = DialogUnitsToPixels(QRect(x, 7, 13, 5), font);
        const QRect right = DialogUnitsToPixels(QRect(x + 13, 12, 9, 3), font);
        EXPECT_EQ(left.right() + 1, right.left()) << "at x " << x;
        EXPECT_EQ(left.bottom() + 1, right.top()) << "at x " << x;
    }
}

TEST_P(DialogUnitsTest, LargerFontGivesLargerPixels)
{
    const QRect units(0, 0, 444, 289);
    QFont doubled = font;
    doubled.setPointSize(font.pointSize() * 2);
    const QSize small = DialogUnitsToPixels(units, font).size();
    const QSize large = DialogUnitsToPixels(units, doubled).size();
    EXPECT_NEAR(large.width(), 2 * small.width(), small.width() / 5);
    EXPECT_NEAR(large.height(), 2 * small.height(), small.height() / 5);
}

INSTANTIATE_TEST_SUITE_P(Fonts, DialogUnitsTest,
    testing::Values(FontCase{"Sans8", "DejaVu Sans", 8}, FontCase{"Sans9", "DejaVu Sans", 9},
        FontCase{"Serif12", "DejaVu Serif", 12}),
    [](const testing::TestParamInfo<FontCase>& testCase) { return testCase.param.name; });

}  // namespace
