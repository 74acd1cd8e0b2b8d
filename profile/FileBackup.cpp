#include "profile/FileBackup.h"

#include "profile/AtomicFile.h"

#include <time.h>

#include <array>
#include <cerrno>
#include <ctime>
#include <string>
#include <string_view>

std::string BackupName(std::string_view fileName, std::time_t when, int attempt)
{
    std::tm local{};
    ::localtime_r(&when, &local);
    std::array<char, 32> stamp{};
    std::strftime(stamp.data(), stamp.size(), "%Y%m%d-%H%M%S", &local);
    std::string name = std::string(fileName) + '.' + stamp.data();
    if (attempt > 0)
        name += '-' + std::to_string(attempt);
    return name + ".bak";
}

int BackUpFile(const std::filesystem::path& path, std::filesystem::path& kept)
{
    kept.clear();
    std::string bytes;
    if (const int error = ReadFileBytes(path, bytes))
        return error == ENOENT ? 0 : error;
    const std::time_t now = std::time(nullptr);
    for (int attempt = 0; attempt < kBackupNameAttempts; ++attempt) {
        kept = path.parent_path() / BackupName(path.filename().string(), now, attempt);
        const int error = WriteNewFile(kept, bytes, path);
        if (error != EEXIST) {
            kept = error ? std::filesystem::path() : kept;
            return error;
        }
    }
    kept.clear();
    return EEXIST;
}
