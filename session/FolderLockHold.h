#pragma once

// The working folder's lock for one command of the session (see FolderLock):
// taken here unless the session holds it already, as quavel-cli does for the
// whole of its read-modify-write, and let go by the holder that took it.

class EditorState;

class FolderLockHold {
public:
    explicit FolderLockHold(EditorState& state);
    ~FolderLockHold();
    FolderLockHold(const FolderLockHold&) = delete;
    FolderLockHold& operator=(const FolderLockHold&) = delete;

    // 0 while held, else FolderLock's errno (EWOULDBLOCK after waiting too long).
    int error() const { return error_; }

private:
    EditorState& state_;
    bool taken_ = false;
    int error_ = 0;
};
