#pragma once

// A new file being written in a folder, seen by nobody until Publish gives it
// its name. It is nameless (O_TMPFILE) where the file system allows; else it
// is named ".quavel-<16 hex digits>.tmp", which the profile list never shows.
// While open it holds an advisory lock on itself, so that a later writer can
// tell a file in use from one that a killed process left behind: on its first
// write into a folder (again after an hour) a process removes such leftovers.

#include "profile/FileDescriptor.h"

#include <filesystem>

enum class Naming { NamelessWherePossible, Named };
enum class Publication { Replace, NeverReplace };

class TemporaryFile {
public:
    explicit TemporaryFile(
        std::filesystem::path folder, Naming naming = Naming::NamelessWherePossible);
    // A named file that was not published is removed.
    ~TemporaryFile();
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    // 0 when the file is open, else the errno of creating it.
    int error() const { return error_; }
    int descriptor() const { return file_.get(); }
    // Puts the written file at target, a path in the same folder, and flushes
    // the folder. NeverReplace fails with EEXIST when target exists, also when
    // another process creates it at the same moment. 0 or the errno.
    int Publish(const std::filesystem::path& target, Publication publication);

private:
    int PublishNameless(const std::filesystem::path& target, Publication publication);
    int PublishNamed(const std::filesystem::path& target, Publication publication);

    std::filesystem::path folder_;
    std::filesystem::path name_;  // empty while nameless
    FileDescriptor file_;
    int error_ = 0;
};

// Whether this process may create files in folder: creates a file of a name
// nobody else uses, exclusively, and removes it. 0 or the errno.
int CheckWriteAccess(const std::filesystem::path& folder);
