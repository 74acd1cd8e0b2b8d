#pragma once

// An advisory lock on a working folder, held for one read-modify-write of its
// profiles: load, change, check and save. The window and quavel-cli both take
// it, so that two programs changing one folder take turns instead of undoing
// each other's edits. Programs that do not take it are not stopped.
//
// The lock belongs to this object's own open of the folder: a second
// FolderLock on the same folder waits, even in the same process.

#include "profile/FileDescriptor.h"

#include <chrono>
#include <filesystem>

class FolderLock {
public:
    // Waits up to timeout for the lock; a program holding it longer is stuck,
    // and waiting on would hang this one too.
    explicit FolderLock(
        const std::filesystem::path& folder, std::chrono::milliseconds timeout = kDefaultTimeout);
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    // 0 while held; EWOULDBLOCK when the wait timed out, else the errno of
    // opening the folder.
    int error() const { return error_; }

    static constexpr std::chrono::milliseconds kDefaultTimeout{10000};

private:
    FileDescriptor folder_;
    int error_ = 0;
};
