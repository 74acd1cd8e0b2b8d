#pragma once

// The window layouts are given in dialog units, which scale with the dialog's
// font: a horizontal unit is a quarter of the font's average letter width
// (over a-z and A-Z), a vertical unit an eighth of its height.

#include <QFont>
#include <QRect>

// The rectangle (x, y, width, height in dialog units) in pixels. Edges are
// converted one by one, so rectangles that touch in units touch in pixels.
QRect DialogUnitsToPixels(const QRect& units, const QFont& font);
