#include "installs/SearchedFileRead.h"

#include "profile/RegularFile.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <string_view>

namespace {

enum class NulBytes { Allowed, Refused };

struct FileLimits {
    SearchedFile kind;
    std::size_t maxBytes;
    std::size_t maxLineBytes;
    NulBytes nulBytes;
};

constexpr std::size_t kKibibyte = 1024;
constexpr std::size_t kMebibyte = 1024 * kKibibyte;

// The largest real system.reg files are a few MiB. Wine writes a string value
// on one line and wraps binary ones, so a 1 MiB line holds a string larger
// than Windows keeps in its registry's standard format. The small files hold
// paths, which Linux limits to 4 KiB.
constexpr std::array<FileLimits, 4> kLimits = {{
    {SearchedFile::WineRegistry, 64 * kMebibyte, kMebibyte, NulBytes::Allowed},
    {SearchedFile::SteamLibraryList, kMebibyte, 64 * kKibibyte, NulBytes::Refused},
    {SearchedFile::LutrisGame, kMebibyte, 64 * kKibibyte, NulBytes::Refused},
    {SearchedFile::SettingsFile, kMebibyte, 64 * kKibibyte, NulBytes::Refused},
}};

// Why the text breaks the limits of its lines; none when it keeps them.
std::optional<std::string> LineProblem(std::string_view text, const FileLimits& limits)
{
    for (std::size_t number = 1; !text.empty(); ++number) {
        const std::string_view line = TakeLine(text);
        if (line.size() > limits.maxLineBytes)
            return LongLineReason(number, limits.maxLineBytes);
        if (limits.nulBytes == NulBytes::Refused && line.find('\0') != std::string_view::npos)
            return NulByteReason(number);
    }
    return std::nullopt;
}

}  // namespace

SearchedFileRead ReadSearchedFile(const std::filesystem::path& path, SearchedFile kind)
{
    const FileLimits& limits = *std::find_if(kLimits.begin(), kLimits.end(),
        [kind](const FileLimits& entry) { return entry.kind == kind; });
    RegularFileRead file = ReadRegularFile(path, limits.maxBytes);
    if (file.error == ENOENT || file.error == ENOTDIR)  // nothing there: the usual case
        return {};
    std::optional<std::string> reason;
    if (file.error == EFBIG)
        reason = FileSizeReason(static_cast<std::uintmax_t>(file.stamp.size), limits.maxBytes);
    else if (file.error != 0)
        reason = FileErrorReason(file.error);
    else
        reason = LineProblem(file.bytes, limits);
    if (reason)
        return {std::nullopt, SkippedFile{kind, path, std::move(*reason)}};
    return {std::move(file.bytes), std::nullopt};
}

std::string_view TakeLine(std::string_view& text)
{
    const std::string_view line = text.substr(0, std::min(text.find('\n'), text.size()));
    text.remove_prefix(std::min(line.size() + 1, text.size()));
    return line;
}
