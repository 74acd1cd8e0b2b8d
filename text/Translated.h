#pragma once

#include <libintl.h>

// Texts a person reads, in their language. The English text is the message
// id, so where no catalogue matches the user's language (LANG=C among them)
// the English text comes back unchanged, byte for byte. Keys, values, JSON
// field names and anything a script reads are never passed through here.

inline constexpr const char* kTextDomain = "quavel";

inline const char* Translated(const char* english)
{
    return dgettext(kTextDomain, english);
}

// The form of a text that fits the count n in the user's language.
inline const char* TranslatedCount(const char* one, const char* many, unsigned long n)
{
    return dngettext(kTextDomain, one, many, n);
}

// Marks a text in a table for the catalogue without translating it yet: the
// table is built before the user's language is known, and the text goes
// through Translated() where it is shown.
inline constexpr const char* TranslatedLater(const char* english)
{
    return english;
}
