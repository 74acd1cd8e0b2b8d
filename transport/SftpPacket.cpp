#include "transport/SftpPacket.h"

namespace {

void AppendBigEndian(std::string& bytes, std::uint64_t value, int byteCount)
{
    for (int shift = (byteCount - 1) * 8; shift >= 0; shift -= 8)
        bytes += static_cast<char>((value >> shift) & 0xff);
}

}  // namespace

SftpPacket::SftpPacket(sftp::Type type, std::uint32_t id)
    : SftpPacket(type)
{
    Add(id);
}

SftpPacket::SftpPacket(sftp::Type type)
    : body_(1, static_cast<char>(type))
{
}

SftpPacket& SftpPacket::Add(std::uint32_t value)
{
    AppendBigEndian(body_, value, 4);
    return *this;
}

SftpPacket& SftpPacket::Add64(std::uint64_t value)
{
    AppendBigEndian(body_, value, 8);
    return *this;
}

SftpPacket& SftpPacket::Add(std::string_view text)
{
    Add(static_cast<std::uint32_t>(text.size()));
    body_ += text;
    return *this;
}

SftpPacket& SftpPacket::AddPermissions(unsigned mode)
{
    return Add(std::uint32_t{sftp::HasPermissions}).Add(std::uint32_t{mode});
}

SftpPacket& SftpPacket::AddNoAttributes()
{
    return Add(std::uint32_t{0});
}

std::string SftpPacket::Finish() const
{
    std::string packet;
    AppendBigEndian(packet, body_.size(), 4);
    return packet + body_;
}
