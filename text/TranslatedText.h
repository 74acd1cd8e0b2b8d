#pragma once

#include "text/Translated.h"

#include <ostream>
#include <string_view>

// A constant text that is defined before the user's language is known and
// translated whenever it is read, so that it converts wherever the English
// string_view constant did: std::string(Messages::kSaveChanges) is the text
// in the user's language.
class TranslatedText {
public:
    constexpr explicit TranslatedText(const char* english)
        : english_(english)
    {
    }
    operator std::string_view() const { return Translated(english_); }
    const char* c_str() const { return Translated(english_); }

private:
    const char* english_;
};

inline std::ostream& operator<<(std::ostream& out, const TranslatedText& text)
{
    return out << std::string_view(text);
}
