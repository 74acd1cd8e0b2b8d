#pragma once

// The journal of publishing: one record per file written to a publish
// destination, by the window and by quavel-cli alike, kept in
// $XDG_STATE_HOME/quavel/publish.journal (~/.local/state/quavel). It is what
// lets Quavel say which profile a destination holds and whether someone
// changed it there since.
//
// A record is one line of tab-separated fields, with backslash, tab and line
// break escaped: the time (UTC, ISO 8601), the size and the SHA-256 of the
// bytes written, the profile's name, its file and the destination, named by
// text (a local path, or a URL once remote servers take part). Several
// Quavel processes may append at once: each takes the journal folder's lock,
// appends its whole line with one write and, a tenth past kMaximumRecords,
// keeps only the newest kMaximumRecords by rewriting the file whole. A line that is not a record is
// skipped with a warning.

#include <cstdint>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

struct PublishRecord {
    std::time_t time = 0;
    std::uint64_t size = 0;
    std::string sha256;  // lower-case hex
    std::string profile;
    std::filesystem::path profileFile;
    std::string destination;

    friend bool operator==(const PublishRecord&, const PublishRecord&) = default;
};

struct JournalReading {
    std::vector<PublishRecord> records;  // oldest first
    std::vector<std::string> warnings;   // one per line skipped
    int error = 0;                       // of reading; 0 also when there is no journal yet
};

class PublishJournal {
public:
    // The journal in the state folder (see StateFolder).
    PublishJournal();
    explicit PublishJournal(std::filesystem::path file);

    // 0 or the errno of taking the lock or writing; ENOENT where there is no
    // state folder.
    int Append(const PublishRecord& record) const;
    JournalReading Read() const;
    const std::filesystem::path& file() const { return file_; }

    static constexpr std::size_t kMaximumRecords = 10000;

private:
    std::filesystem::path file_;
};

// "2025-01-02T03:04:05Z" and back; none for text that is not such a time.
std::string UtcTimeText(std::time_t time);
// "2025-01-02 14:04" in the user's time zone.
std::string LocalTimeText(std::time_t time);
