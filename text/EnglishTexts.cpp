#include "text/EnglishTexts.h"

#include <clocale>

EnglishTexts::EnglishTexts()
    : userMessages_(std::setlocale(LC_MESSAGES, nullptr))
{
    std::setlocale(LC_MESSAGES, "C");
}

EnglishTexts::~EnglishTexts()
{
    std::setlocale(LC_MESSAGES, userMessages_.c_str());
}
