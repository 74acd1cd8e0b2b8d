#pragma once

// The SHA-256 digest of some bytes in lower-case hex, as sha256sum prints it,
// computed by libgcrypt.

#include <string>
#include <string_view>

std::string Sha256Hex(std::string_view bytes);
