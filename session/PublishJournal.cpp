#include "session/PublishJournal.h"

#include "profile/AtomicFile.h"
#include "profile/FileDescriptor.h"
#include "profile/FolderLock.h"
#include "profile/RegularFile.h"
#include "profile/StateFolder.h"
#include "text/Formatted.h"
#include "text/Translated.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <optional>
#include <string_view>

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kJournalName = "publish.journal";
constexpr std::size_t kFieldCount = 6;
// A record's line is at least this long (a time, a digest, short names), so
// a file smaller than kMaximumRecords of them needs no counting.
constexpr std::size_t kShortestLine = 90;
// Trimming rewrites the journal whole and flushes it, so it waits until this
// many records beyond the limit have gathered: one publish in a thousand
// pays for it, not every one, and tools publishing at once do not queue
// behind a rewrite each.
constexpr std::size_t kRecordsBeforeTrimming = PublishJournal::kMaximumRecords / 10;
// A journal is never read beyond this; one of kMaximumRecords long paths fits.
constexpr std::size_t kMaximumJournalBytes = 64 * 1024 * 1024;

std::string Escaped(std::string_view text)
{
    std::string escaped;
    for (const char character : text) {
        switch (character) {
        case '\\':
            escaped += "\\\\";
            break;
        case '\t':
            escaped += "\\t";
            break;
        case '\n':
            escaped += "\\n";
            break;
        case '\r':
            escaped += "\\r";
            break;
        default:
            escaped += character;
        }
    }
    return escaped;
}

std::optional<std::string> Unescaped(std::string_view text)
{
    std::string plain;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] != '\\') {
            plain += text[at];
            continue;
        }
        if (++at == text.size())
            return std::nullopt;
        constexpr std::array<std::pair<char, char>, 4> kEscapes{
            {{'\\', '\\'}, {'t', '\t'}, {'n', '\n'}, {'r', '\r'}}};
        const auto* escape = std::ranges::find(kEscapes, text[at], &std::pair<char, char>::first);
        if (escape == kEscapes.end())
            return std::nullopt;
        plain += escape->second;
    }
    return plain;
}

std::string RecordLine(const PublishRecord& record)
{
    return UtcTimeText(record.time) + '\t' + std::to_string(record.size) + '\t' + record.sha256
        + '\t' + Escaped(record.profile) + '\t' + Escaped(record.profileFile.native()) + '\t'
        + Escaped(record.destination) + '\n';
}

std::optional<std::time_t> ParseUtcTime(std::string_view text)
{
    std::tm fields{};
    char zone = 0;
    char rest = 0;
    const std::string copy(text);
    if (std::sscanf(copy.c_str(), "%4d-%2d-%2dT%2d:%2d:%2d%c%c", &fields.tm_year, &fields.tm_mon,
            &fields.tm_mday, &fields.tm_hour, &fields.tm_min, &fields.tm_sec, &zone, &rest)
            != 7
        || zone != 'Z' || text.size() != 20)
        return std::nullopt;
    fields.tm_year -= 1900;
    fields.tm_mon -= 1;
    const std::time_t time = ::timegm(&fields);
    if (time == -1 || UtcTimeText(time) != text)
        return std::nullopt;  // no such day or hour
    return time;
}

bool IsDigest(std::string_view text)
{
    return text.size() == 64
        && text.find_first_not_of("0123456789abcdef") == std::string_view::npos;
}

std::vector<std::string_view> Fields(std::string_view line)
{
    std::vector<std::string_view> fields;
    for (std::size_t start = 0;;) {
        const std::size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab - start));
        if (tab == std::string_view::npos)
            return fields;
        start = tab + 1;
    }
}

// The record, or none for a line that is not one.
std::optional<PublishRecord> ParseRecord(std::string_view line)
{
    if (line.ends_with('\r'))
        line.remove_suffix(1);  // a journal edited by hand with CRLF line ends
    const std::vector<std::string_view> fields = Fields(line);
    if (fields.size() != kFieldCount || !IsDigest(fields[2]))
        return std::nullopt;
    PublishRecord record;
    const std::optional<std::time_t> time = ParseUtcTime(fields[0]);
    const auto [end, error] = std::from_chars(fields[1].begin(), fields[1].end(), record.size);
    std::optional<std::string> profile = Unescaped(fields[3]);
    std::optional<std::string> profileFile = Unescaped(fields[4]);
    std::optional<std::string> destination = Unescaped(fields[5]);
    if (!time || error != std::errc() || end != fields[1].end() || !profile || !profileFile
        || !destination || profile->empty() || destination->empty())
        return std::nullopt;
    record.time = *time;
    record.sha256 = std::string(fields[2]);
    record.profile = std::move(*profile);
    record.profileFile = std::move(*profileFile);
    record.destination = std::move(*destination);
    return record;
}

std::vector<std::string_view> Lines(std::string_view bytes)
{
    std::vector<std::string_view> lines;
    for (std::size_t start = 0; start < bytes.size();) {
        const std::size_t end = bytes.find('\n', start);
        lines.push_back(bytes.substr(start, end == std::string_view::npos ? end : end - start));
        start = end == std::string_view::npos ? bytes.size() : end + 1;
    }
    return lines;
}

// Keeps the newest kMaximumRecords lines, rewriting the file whole, once
// enough more have gathered.
int Trim(const fs::path& file)
{
    const RegularFileRead read = ReadRegularFile(file, kMaximumJournalBytes);
    if (read.error)
        return read.error;
    const std::vector<std::string_view> lines = Lines(read.bytes);
    if (lines.size() <= PublishJournal::kMaximumRecords + kRecordsBeforeTrimming)
        return 0;
    const std::size_t first = lines.size() - PublishJournal::kMaximumRecords;
    const std::string_view kept(
        lines[first].data(), read.bytes.data() + read.bytes.size() - lines[first].data());
    return WriteFileAtomically(file, kept);
}

// A line cut short by a full disk is ended, so that the next record starts a line of its own.
std::string AfterLastLine(int descriptor, off_t size)
{
    char last = '\n';
    if (size > 0 && ::pread(descriptor, &last, 1, size - 1) == 1 && last != '\n')
        return "\n";
    return {};
}

// The time broken down by convert (UTC or the user's zone), then formatted.
std::string TimeText(
    std::time_t time, std::tm* (*convert)(const std::time_t*, std::tm*), const char* format)
{
    std::tm fields{};
    convert(&time, &fields);
    std::array<char, 32> text{};
    std::strftime(text.data(), text.size(), format, &fields);
    return text.data();
}

}  // namespace

std::string UtcTimeText(std::time_t time)
{
    return TimeText(time, ::gmtime_r, "%Y-%m-%dT%H:%M:%SZ");
}

std::string LocalTimeText(std::time_t time)
{
    // TRANSLATORS: strftime's format of a local date and time, as the journal shows it.
    return TimeText(time, ::localtime_r, Translated("%Y-%m-%d %H:%M"));
}

PublishJournal::PublishJournal()
    : PublishJournal(StateFolder().empty() ? fs::path() : StateFolder() / kJournalName)
{
}

PublishJournal::PublishJournal(std::filesystem::path file)
    : file_(std::move(file))
{
}

int PublishJournal::Append(const PublishRecord& record) const
{
    if (file_.empty())
        return ENOENT;
    std::error_code created;
    fs::create_directories(file_.parent_path(), created);
    if (created)
        return created.value();
    const FolderLock lock(file_.parent_path());
    if (lock.error())
        return lock.error();
    FileDescriptor journal(
        ::open(file_.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600));
    struct stat status { };
    if (!journal.IsOpen() || ::fstat(journal.get(), &status) != 0)
        return errno;
    const std::string line = AfterLastLine(journal.get(), status.st_size) + RecordLine(record);
    const ssize_t written = ::write(journal.get(), line.data(), line.size());
    if (written != static_cast<ssize_t>(line.size()))
        return written < 0 ? errno : ENOSPC;
    if (const int closed = journal.Close())
        return closed;
    const auto size = static_cast<std::size_t>(status.st_size) + line.size();
    return size > (kMaximumRecords + kRecordsBeforeTrimming) * kShortestLine ? Trim(file_) : 0;
}

JournalReading PublishJournal::Read() const
{
    JournalReading reading;
    std::error_code error;
    if (file_.empty() || !fs::exists(file_, error))
        return reading;
    const FolderLock lock(file_.parent_path());
    if ((reading.error = lock.error()))
        return reading;
    const RegularFileRead read = ReadRegularFile(file_, kMaximumJournalBytes);
    if ((reading.error = read.error == ENOENT ? 0 : read.error))
        return reading;
    const std::vector<std::string_view> lines = Lines(read.bytes);
    for (std::size_t index = 0; index < lines.size(); ++index) {
        if (lines[index].empty() || lines[index] == "\r")
            continue;
        if (std::optional<PublishRecord> record = ParseRecord(lines[index]))
            reading.records.push_back(std::move(*record));
        else
            reading.warnings.push_back(
                Formatted(Translated("skipped line %s of %s: not a publish record"),
                    {std::to_string(index + 1), file_.string()}));
    }
    return reading;
}
