#pragma once

// While one lives, the texts of this process are in the given language, from
// the build's catalogues, as for a user with LANGUAGE set: the window's tests
// build their window in each language. gettext caches what it looked up, and
// glibc's documented way to make it notice a changed LANGUAGE is to count
// _nl_msg_cat_cntr up.

#include "text/Translated.h"

#include <clocale>
#include <cstdlib>
#include <optional>
#include <string>

extern "C" int _nl_msg_cat_cntr;

class LanguageScope {
public:
    explicit LanguageScope(const std::string& language)
        : userMessages_(std::setlocale(LC_MESSAGES, nullptr))
    {
        if (const char* userLanguage = std::getenv("LANGUAGE"))
            userLanguage_ = userLanguage;
        bindtextdomain(kTextDomain, QUAVEL_CATALOGUES);
        bind_textdomain_codeset(kTextDomain, "UTF-8");
        // gettext ignores LANGUAGE in the plain "C" locale.
        std::setlocale(LC_MESSAGES, "C.UTF-8");
        ::setenv("LANGUAGE", language.c_str(), 1);
        ++_nl_msg_cat_cntr;
    }
    ~LanguageScope()
    {
        if (userLanguage_)
            ::setenv("LANGUAGE", userLanguage_->c_str(), 1);
        else
            ::unsetenv("LANGUAGE");
        std::setlocale(LC_MESSAGES, userMessages_.c_str());
        ++_nl_msg_cat_cntr;
    }
    LanguageScope(const LanguageScope&) = delete;
    LanguageScope& operator=(const LanguageScope&) = delete;

private:
    std::string userMessages_;
    std::optional<std::string> userLanguage_;
};
