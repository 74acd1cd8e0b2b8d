#pragma once

// Reads the fields of one SFTP reply. Reading past the end gives zeros and
// empty strings and marks the reply as broken, checked once at the end.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct SftpAttributes {
    std::optional<std::uint64_t> size;
    std::optional<std::uint32_t> permissions;  // with the file type bits (S_IFMT)
    std::optional<std::int64_t> modified;      // seconds since 1970
};

class SftpReader {
public:
    explicit SftpReader(std::string_view bytes)
        : bytes_(bytes)
    {
    }

    std::uint8_t Byte();
    std::uint32_t Uint32();
    std::uint64_t Uint64();
    std::string_view String();
    SftpAttributes Attributes();

    bool broken() const { return broken_; }
    bool AtEnd() const { return bytes_.empty(); }

private:
    std::uint64_t BigEndian(std::size_t byteCount);

    std::string_view bytes_;
    bool broken_ = false;
};
