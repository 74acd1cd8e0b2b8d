#pragma once

// The copy of a file's old bytes that a write in place keeps until the new
// bytes are on disk, with what recognises the new ones afterwards (their size
// and hash) and the file it belongs to (path and inode). It lies beside the
// file as ".NAME.quavel-recovery", a name the profile list never shows, or,
// where the folder is closed to new files, in $XDG_STATE_HOME/quavel/recovery
// (~/.local/state/quavel/recovery) under a name made from the file's path.
// It is flushed to disk before the write starts and readable by its writer
// alone (mode 0600), who holds an advisory lock on it while writing, so that
// another process tells a write at work from an interrupted one.

#include "profile/TemporaryFile.h"

#include <sys/types.h>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

struct RecoveryRecord {
    std::filesystem::path file;  // without links, as WritePathOf gives it
    ino_t inode = 0;
    std::string oldBytes;
    off_t newSize = 0;
    std::uint64_t newHash = 0;
};

class RecoveryCopy {
public:
    // Keeps the copy for the write that record describes; see error().
    explicit RecoveryCopy(const RecoveryRecord& record);
    // A copy not removed stays for the next reader to decide on.
    ~RecoveryCopy() = default;
    RecoveryCopy(const RecoveryCopy&) = delete;
    RecoveryCopy& operator=(const RecoveryCopy&) = delete;

    // 0 when the copy is on disk; EBUSY when another writer's copy of the file
    // is there; else the errno of keeping it where it may lie (beside the
    // file, else in the state folder).
    int error() const { return error_; }
    // The new bytes are on disk: the copy goes.
    void Remove();

private:
    int Keep(const std::filesystem::path& copy, std::string_view content);

    std::optional<TemporaryFile> file_;
    std::filesystem::path path_;
    int error_ = 0;
};

// The file as writers and readers of its copy name it: every link followed.
std::filesystem::path WritePathOf(const std::filesystem::path& file);
// Where the copy for a file (a WritePathOf) lies when beside it, and when in
// the state folder (empty when there is no home folder).
std::filesystem::path BesideCopyPath(const std::filesystem::path& file);
std::filesystem::path StateCopyPath(const std::filesystem::path& file);
std::filesystem::path RecoveryStateFolder();
// The file that a copy beside it belongs to; empty for any other name.
std::filesystem::path FileOfBesideCopy(const std::filesystem::path& copy);

// Reads a copy from an open descriptor: 0, EINVAL when it is not a whole
// recovery copy, or the errno of reading it.
int ReadRecoveryCopy(int descriptor, RecoveryRecord& record);
