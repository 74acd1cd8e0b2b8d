#pragma once

// Owns an open file descriptor and closes it once. Close() reports its own
// error, since on some file systems a failed write shows up only there.

class FileDescriptor {
public:
    explicit FileDescriptor(int descriptor = -1)
        : descriptor_(descriptor)
    {
    }
    ~FileDescriptor();
    FileDescriptor(FileDescriptor&& other) noexcept;
    FileDescriptor& operator=(FileDescriptor&& other) noexcept;

    int get() const { return descriptor_; }
    bool IsOpen() const { return descriptor_ >= 0; }
    // 0 or the errno of close().
    int Close();

private:
    int descriptor_;
};
