#include "controls/ReadableTextColor.h"

#include <array>

namespace {

// The y in [0, 1] with y^5 = value, by Newton's method from above.
constexpr double FifthRoot(double value)
{
    double root = 1;
    for (int step = 0; step < 40; ++step)
        root -= (root * root * root * root * root - value) / (5 * root * root * root * root);
    return root;
}

// The light an sRGB channel value stands for, from 0 to 1.
constexpr double LinearChannel(int value)
{
    const double channel = value / 255.0;
    if (channel <= 0.04045)
        return channel / 12.92;
    const double base = (channel + 0.055) / 1.055;
    return base * base * FifthRoot(base * base);  // base^2.4
}

// Worked out as the program is built: the math library's pow, called at run
// time, would bring a tenth of a megabyte of its code into memory at start.
constexpr std::array<float, 256> linearChannels = [] {
    std::array<float, 256> table{};
    for (int value = 0; value < 256; ++value)
        table[static_cast<std::size_t>(value)] = static_cast<float>(LinearChannel(value));
    return table;
}();

float Linear(int channel)
{
    return linearChannels[static_cast<std::size_t>(channel)];
}

}  // namespace

QColor ReadableTextColor(QColor background)
{
    const QColor rgb = background.toRgb();
    const float luminance = 0.2126f * Linear(rgb.red()) + 0.7152f * Linear(rgb.green())
        + 0.0722f * Linear(rgb.blue());
    return luminance > 0.179f ? QColor(Qt::black) : QColor(Qt::white);
}
