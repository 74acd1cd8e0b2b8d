#pragma once

// The built-in default document (IDR_DEFAULTS), DefaultProfile.wst compiled into
// the program byte for byte: Default.wst is written from it and every new
// profile descends from it.

#include <string_view>

std::string_view DefaultDocument();
