#pragma once

#include <string>

// While one lives, every text is the English one, whatever the user's
// language: for output that scripts read (JSON, KEY=VALUE lines), whose
// words must not change with the reader's locale. It sets the messages'
// locale to "C", where gettext also ignores LANGUAGE, and puts the user's
// back when it ends.
class EnglishTexts {
public:
    EnglishTexts();
    ~EnglishTexts();
    EnglishTexts(const EnglishTexts&) = delete;
    EnglishTexts& operator=(const EnglishTexts&) = delete;

private:
    std::string userMessages_;
};
