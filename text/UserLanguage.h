#pragma once

#include <filesystem>

// How the program's texts reach the user: a terminal takes them in its own
// character set, Qt's strings take UTF-8 whatever the locale.
enum class TextEncoding { Terminal, Utf8 };

// The user's language and formats, taken once at start-up from the environment
// (LC_ALL, LC_*, LANG, and LANGUAGE, which gettext honours unless the locale is
// plain "C"). Numbers that files, JSON or scripts read are never formatted
// through the locale, so they stay the same in every language.
class UserLanguage {
public:
    // Catalogues from CatalogueFolder().
    static void Start(TextEncoding encoding);
    static void Start(TextEncoding encoding, const std::filesystem::path& catalogueFolder);
    // share/locale beside the program's bin/ folder, which the build tree
    // mirrors, so that a relocated install or a build finds its own
    // catalogues; else the folder the build installs them into.
    static std::filesystem::path CatalogueFolder();
};
