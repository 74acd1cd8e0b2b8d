// quavel-icon-png SIZE FILE: writes the program's icon, drawn as the window
// draws it, to a PNG file of SIZE × SIZE pixels, for the desktop's icon theme.

#include "app/Pictures.h"

#include <QImage>
#include <QString>

#include <charconv>
#include <cstdio>
#include <cstring>

namespace {

constexpr int kLargestSize = 1024;

// The size when the text is a whole number from 1 to the largest size, else 0.
int ParseSize(const char* text)
{
    int size = 0;
    const char* end = text + std::strlen(text);
    const auto [stop, error] = std::from_chars(text, end, size);
    return error == std::errc() && stop == end && size > 0 && size <= kLargestSize ? size : 0;
}

}  // namespace

int main(int argc, char** argv)
{
    const int size = argc == 3 ? ParseSize(argv[1]) : 0;
    if (size == 0) {
        std::fprintf(
            stderr, "Usage: quavel-icon-png SIZE FILE (SIZE from 1 to %d)\n", kLargestSize);
        return 2;
    }
    if (!IconImage(size).save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "quavel-icon-png: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
