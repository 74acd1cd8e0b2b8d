#pragma once

// The copy that publishing keeps of a file before replacing it:
// CustomCombat.wst.20250102-030405.bak beside the file, at the local time,
// with "-1", "-2"... added when another backup holds the name. It is created
// whole under a name of its own and has the file's owner, group, mode and
// extended attributes (ACL entries among them). Taking turns with other
// writers of the folder is the caller's part (see FolderLock).

#include <ctime>
#include <filesystem>
#include <string>
#include <string_view>

// How many names a backup tries within one second before it gives up.
inline constexpr int kBackupNameAttempts = 100;

// The name of the backup of fileName made at when; attempt 1 and on add
// "-1", "-2"... for a second that another backup took. Remote servers keep
// their backups under the same names.
std::string BackupName(std::string_view fileName, std::time_t when, int attempt);

// 0 with the backup's path in kept (empty when there was no file), else the
// errno of reading the file or of creating the backup.
int BackUpFile(const std::filesystem::path& path, std::filesystem::path& kept);
