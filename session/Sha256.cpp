#include "session/Sha256.h"

#include <gcrypt.h>

#include <array>

namespace {

// libgcrypt wants to be told once, before its first use, which version its
// caller was built against.
void InitializeOnce()
{
    static const bool initialized = [] {
        gcry_check_version(GCRYPT_VERSION);
        gcry_control(GCRYCTL_INITIALIZATION_FINISHED, 0);
        return true;
    }();
    (void)initialized;
}

}  // namespace

std::string Sha256Hex(std::string_view bytes)
{
    InitializeOnce();
    constexpr std::size_t kDigestBytes = 32;
    std::array<unsigned char, kDigestBytes> digest{};
    gcry_md_hash_buffer(GCRY_MD_SHA256, digest.data(), bytes.data(), bytes.size());
    constexpr std::string_view kHexDigits = "0123456789abcdef";
    std::string hex;
    for (const unsigned char byte : digest) {
        hex += kHexDigits[byte >> 4];
        hex += kHexDigits[byte & 0xF];
    }
    return hex;
}
