#pragma once

// One SFTP version 3 request as it goes over the wire: a 32-bit length, the
// type, the request id, then the type's fields (big-endian integers, strings
// with a 32-bit length).

#include <cstdint>
#include <string>
#include <string_view>

namespace sftp {

enum Type : std::uint8_t {
    Init = 1,
    Version = 2,
    Open = 3,
    Close = 4,
    Read = 5,
    Write = 6,
    Lstat = 7,
    Fstat = 8,
    Setstat = 9,
    Fsetstat = 10,
    Opendir = 11,
    Readdir = 12,
    Remove = 13,
    Mkdir = 14,
    Rmdir = 15,
    Realpath = 16,
    Stat = 17,
    Rename = 18,
    Status = 101,
    Handle = 102,
    Data = 103,
    Name = 104,
    Attrs = 105,
    Extended = 200,
    ExtendedReply = 201,
};

enum StatusCode : std::uint32_t {
    Ok = 0,
    EndOfFile = 1,
    NoSuchFile = 2,
    PermissionDenied = 3,
    Failure = 4,
    BadMessage = 5,
    NoConnection = 6,
    ConnectionLost = 7,
    Unsupported = 8,
};

enum OpenFlags : std::uint32_t {
    OpenRead = 0x01,
    OpenWrite = 0x02,
    OpenCreate = 0x08,
    OpenTruncate = 0x10,
    OpenExclusive = 0x20,
};

enum AttributeFlags : std::uint32_t {
    HasSize = 0x01,
    HasOwner = 0x02,
    HasPermissions = 0x04,
    HasTimes = 0x08,
    HasExtended = 0x80000000,
};

}  // namespace sftp

class SftpPacket {
public:
    // A request with an id; Init alone has none (it carries the version).
    SftpPacket(sftp::Type type, std::uint32_t id);
    explicit SftpPacket(sftp::Type type);

    SftpPacket& Add(std::uint32_t value);
    SftpPacket& Add64(std::uint64_t value);
    SftpPacket& Add(std::string_view text);
    // Attributes holding only the permission bits.
    SftpPacket& AddPermissions(unsigned mode);
    SftpPacket& AddNoAttributes();

    // The packet with its length in front.
    std::string Finish() const;

private:
    std::string body_;
};
