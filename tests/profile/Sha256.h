#pragma once

// SHA-256 of a byte string as 64 lower-case hex digits, so that the tests can
// pin the built-in document without a cryptography library.

#include <string>
#include <string_view>

std::string Sha256Hex(std::string_view bytes);
