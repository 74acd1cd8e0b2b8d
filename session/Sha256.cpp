#include "session/Sha256.h"

#include <openssl/evp.h>

#include <array>

std::string Sha256Hex(std::string_view bytes)
{
    std::array<unsigned char, EVP_MAX_MD_SIZE> digest{};
    unsigned int length = 0;
    if (EVP_Digest(bytes.data(), bytes.size(), digest.data(), &length, EVP_sha256(), nullptr) != 1)
        return {};
    constexpr std::string_view kHexDigits = "0123456789abcdef";
    std::string hex;
    for (unsigned int index = 0; index < length; ++index) {
        hex += kHexDigits[digest[index] >> 4];
        hex += kHexDigits[digest[index] & 0xF];
    }
    return hex;
}
