#pragma once

#include "text/Translated.h"

#include <QString>

// A text of the window in the user's language; the catalogue is bound in
// UTF-8 for the window, whatever the locale's character set.
inline QString TranslatedString(const char* english)
{
    return QString::fromUtf8(Translated(english));
}
