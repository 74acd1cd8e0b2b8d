#include "profile/FileStamp.h"

std::uint64_t ContentHash(std::string_view content)
{
    std::uint64_t hash = 0xcbf29ce484222325;
    for (const char byte : content)
        hash = (hash ^ static_cast<unsigned char>(byte)) * 0x100000001b3;
    return hash;
}

FileStamp MakeFileStamp(const struct stat& status, std::string_view content)
{
    return {status.st_dev, status.st_ino, status.st_size, status.st_mtim.tv_sec,
        status.st_mtim.tv_nsec, ContentHash(content)};
}
