#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// A translated pattern with its values filled in: each "%s" takes the next
// value, "%2$s" the second, so that a translation may put them in another
// order. "%%" is a percent sign. msgfmt --check keeps a translation's
// placeholders those of the English pattern.
std::string Formatted(std::string_view pattern, std::initializer_list<std::string_view> values);
