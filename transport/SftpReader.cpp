#include "transport/SftpReader.h"

#include "transport/SftpPacket.h"

std::uint64_t SftpReader::BigEndian(std::size_t byteCount)
{
    if (bytes_.size() < byteCount) {
        broken_ = true;
        bytes_ = {};
        return 0;
    }
    std::uint64_t value = 0;
    for (std::size_t index = 0; index < byteCount; ++index)
        value = (value << 8) | static_cast<unsigned char>(bytes_[index]);
    bytes_.remove_prefix(byteCount);
    return value;
}

std::uint8_t SftpReader::Byte()
{
    return static_cast<std::uint8_t>(BigEndian(1));
}

std::uint32_t SftpReader::Uint32()
{
    return static_cast<std::uint32_t>(BigEndian(4));
}

std::uint64_t SftpReader::Uint64()
{
    return BigEndian(8);
}

std::string_view SftpReader::String()
{
    const std::uint32_t length = Uint32();
    if (bytes_.size() < length) {
        broken_ = true;
        bytes_ = {};
        return {};
    }
    const std::string_view text = bytes_.substr(0, length);
    bytes_.remove_prefix(length);
    return text;
}

SftpAttributes SftpReader::Attributes()
{
    SftpAttributes attributes;
    const std::uint32_t flags = Uint32();
    if (flags & sftp::HasSize)
        attributes.size = Uint64();
    if (flags & sftp::HasOwner)
        BigEndian(8);  // user and group ids
    if (flags & sftp::HasPermissions)
        attributes.permissions = Uint32();
    if (flags & sftp::HasTimes) {
        Uint32();  // access time
        attributes.modified = Uint32();
    }
    if (flags & sftp::HasExtended) {
        for (std::uint32_t count = Uint32(); count > 0 && !broken_; --count) {
            String();
            String();
        }
    }
    return attributes;
}
