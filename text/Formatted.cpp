#include "text/Formatted.h"

#include <charconv>
#include <vector>

std::string Formatted(std::string_view pattern, std::initializer_list<std::string_view> values)
{
    const std::vector<std::string_view> value(values);
    std::string text;
    std::size_t next = 0;
    std::size_t at = 0;
    while (at < pattern.size()) {
        const std::size_t percent = pattern.find('%', at);
        text += pattern.substr(at, percent - at);
        if (percent == std::string_view::npos || percent + 1 == pattern.size())
            return percent == std::string_view::npos ? text : text + '%';
        if (pattern[percent + 1] == '%') {
            text += '%';
            at = percent + 2;
            continue;
        }
        std::size_t number = 0;
        const char* first = pattern.data() + percent + 1;
        const char* last = pattern.data() + pattern.size();
        const auto [end, error] = std::from_chars(first, last, number);
        const bool positional = error == std::errc() && end != last && *end == '$' && number > 0;
        const std::size_t index = positional ? number - 1 : next++;
        if (index < value.size())
            text += value[index];
        // Past the conversion's letter, "s".
        at = positional ? static_cast<std::size_t>(end - pattern.data()) + 2 : percent + 2;
    }
    return text;
}
