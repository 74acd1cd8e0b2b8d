#include "profile/FileBackup.h"

#include "profile/AtomicFile.h"

#include <time.h>

#include <array>
#include <cerrno>
#include <ctime>
#include <string>
#include <string_view>

namespace {

constexpr std::string_view kBackupExtension = ".bak";

// Attempt 1 and on add "-1", "-2"... to a name that another backup holds.
std::filesystem::path BackupName(const std::filesystem::path& path, int attempt)
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    std::array<char, 32> stamp{};
    std::strftime(stamp.data(), stamp.size(), "%Y%m%d-%H%M%S", &local);
    std::filesystem::path backup = path;
    backup += '.' + std::string(stamp.data());
    if (attempt > 0)
        backup += '-' + std::to_string(attempt);
    backup += kBackupExtension;
    return backup;
}

}  // namespace

int BackUpFile(const std::filesystem::path& path, std::filesystem::path& kept)
{
    kept.clear();
    std::string bytes;
    if (const int error = ReadFileBytes(path, bytes))
        return error == ENOENT ? 0 : error;
    for (int attempt = 0;; ++attempt) {
        kept = BackupName(path, attempt);
        const int error = WriteNewFile(kept, bytes, path);
        if (error != EEXIST) {
            kept = error ? std::filesystem::path() : kept;
            return error;
        }
    }
}
