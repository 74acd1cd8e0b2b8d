#pragma once

// Black or white, whichever text reads better on the background: the one of
// the higher contrast ratio, which changes over where the background's
// relative luminance (of its sRGB colour) is 0.179.

#include <QColor>

QColor ReadableTextColor(QColor background);
