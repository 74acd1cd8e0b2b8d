#include "installs/SettingsFile.h"

#include "profile/AtomicFile.h"

#include <algorithm>
#include <cerrno>
#include <system_error>

namespace {

struct KeyName {
    std::string_view section;
    std::string_view name;
};

std::optional<KeyName> SplitKey(std::string_view key)
{
    const std::size_t dot = key.find('.');
    if (dot == std::string_view::npos || dot == 0 || dot + 1 == key.size())
        return std::nullopt;
    return KeyName{key.substr(0, dot), key.substr(dot + 1)};
}

std::string_view Trimmed(std::string_view text)
{
    const std::size_t start = text.find_first_not_of(" \t");
    if (start == std::string_view::npos)
        return {};
    return text.substr(start, text.find_last_not_of(" \t") - start + 1);
}

// The section a "[name]" line opens; none for any other line.
std::optional<std::string_view> SectionOf(std::string_view line)
{
    line = Trimmed(line);
    if (line.size() < 2 || line.front() != '[' || line.back() != ']')
        return std::nullopt;
    return Trimmed(line.substr(1, line.size() - 2));
}

// The value of a "name = value" line for name; none for any other line.
std::optional<std::string_view> ValueOf(std::string_view line, std::string_view name)
{
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos || Trimmed(line.substr(0, equals)) != name)
        return std::nullopt;
    return Trimmed(line.substr(equals + 1));
}

// Lines from..to of the section: after its header up to the next one.
struct SectionLines {
    std::size_t header;
    std::size_t end;
};

std::optional<SectionLines> FindSection(
    const std::vector<std::string>& lines, std::string_view section)
{
    for (std::size_t index = 0; index < lines.size(); ++index) {
        if (SectionOf(lines[index]) != section)
            continue;
        std::size_t end = index + 1;
        while (end < lines.size() && !SectionOf(lines[end]))
            ++end;
        return SectionLines{index, end};
    }
    return std::nullopt;
}

}  // namespace

std::filesystem::path SettingsFile::PathFor(const UserEnvironment& environment)
{
    const std::filesystem::path configHome = environment.xdgConfigHome.empty()
        ? environment.home / ".config"
        : std::filesystem::path(environment.xdgConfigHome);
    return configHome / "quavel" / "quavel.conf";
}

std::optional<SettingsFile> SettingsFile::Load(const std::filesystem::path& path)
{
    SettingsFile settings(path);
    std::string bytes;
    if (const int error = ReadFileBytes(path, bytes); error == ENOENT)
        return settings;
    else if (error != 0)
        return std::nullopt;
    std::string_view text = bytes;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        settings.lines_.emplace_back(line);
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return settings;
}

std::optional<std::string> SettingsFile::Get(std::string_view key) const
{
    const std::optional<KeyName> name = SplitKey(key);
    const std::optional<SectionLines> section
        = name ? FindSection(lines_, name->section) : std::nullopt;
    if (!section)
        return std::nullopt;
    for (std::size_t index = section->header + 1; index < section->end; ++index) {
        if (const std::optional<std::string_view> value = ValueOf(lines_[index], name->name))
            return std::string(*value);
    }
    return std::nullopt;
}

bool SettingsFile::Set(std::string_view key, std::string_view value)
{
    const std::optional<KeyName> name = SplitKey(key);
    if (!name || value.find_first_of("\r\n") != std::string_view::npos)
        return false;
    Unset(key);
    const std::string line = std::string(name->name) + '=' + std::string(value);
    std::optional<SectionLines> section = FindSection(lines_, name->section);
    if (!section) {
        if (!lines_.empty() && !Trimmed(lines_.back()).empty())
            lines_.emplace_back();
        lines_.push_back('[' + std::string(name->section) + ']');
        section = SectionLines{lines_.size() - 1, lines_.size()};
    }
    // After the section's last line that is not blank.
    std::size_t position = section->end;
    while (position > section->header + 1 && Trimmed(lines_[position - 1]).empty())
        --position;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(position), line);
    return true;
}

bool SettingsFile::Unset(std::string_view key)
{
    const std::optional<KeyName> name = SplitKey(key);
    const std::optional<SectionLines> section
        = name ? FindSection(lines_, name->section) : std::nullopt;
    if (!section)
        return false;
    const auto begin = lines_.begin() + static_cast<std::ptrdiff_t>(section->header + 1);
    const auto end = lines_.begin() + static_cast<std::ptrdiff_t>(section->end);
    const auto kept = std::remove_if(begin, end,
        [&name](const std::string& line) { return ValueOf(line, name->name).has_value(); });
    const bool removed = kept != end;
    lines_.erase(kept, end);
    return removed;
}

int SettingsFile::Save() const
{
    std::error_code error;
    std::filesystem::create_directories(path_.parent_path(), error);
    if (error)
        return error.value();
    std::string text;
    for (const std::string& line : lines_)
        text += line + '\n';
    return WriteFileAtomically(path_, text);
}
