#include "installs/SettingsFile.h"

#include "installs/SearchedFileRead.h"
#include "profile/AtomicFile.h"

#include <algorithm>
#include <ranges>
#include <system_error>

namespace {

// The blanks around names and values; a CR is the rest of a CRLF line end.
constexpr std::string_view kBlanks = " \t\r";
// What no value may hold: it would end its line, or cut it short where it is read.
constexpr std::string_view kRefusedInValues{"\r\n\0", 3};

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
    const std::size_t start = text.find_first_not_of(kBlanks);
    if (start == std::string_view::npos)
        return {};
    return text.substr(start, text.find_last_not_of(kBlanks) - start + 1);
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

// Lines from..to of a section: after its header up to the next one.
struct SectionLines {
    std::size_t header;
    std::size_t end;
};

// Every section of that name, in the file's order.
std::vector<SectionLines> SectionsNamed(
    const std::vector<std::string>& lines, std::string_view section)
{
    std::vector<SectionLines> sections;
    for (std::size_t index = 0; index < lines.size(); ++index) {
        if (SectionOf(lines[index]) != section)
            continue;
        std::size_t end = index + 1;
        while (end < lines.size() && !SectionOf(lines[end]))
            ++end;
        sections.push_back({index, end});
    }
    return sections;
}

}  // namespace

std::filesystem::path SettingsFile::PathFor(const UserEnvironment& environment)
{
    const std::filesystem::path configHome = environment.xdgConfigHome.empty()
        ? environment.home / ".config"
        : std::filesystem::path(environment.xdgConfigHome);
    return configHome / "quavel" / "quavel.conf";
}

SettingsFileRead SettingsFile::Load(const std::filesystem::path& path)
{
    SearchedFileRead read = ReadSearchedFile(path, SearchedFile::SettingsFile);
    if (read.skipped)
        return {std::nullopt, std::move(read.skipped)};
    SettingsFile settings(path);
    const std::string bytes = std::move(read.bytes).value_or("");
    for (std::string_view text = bytes; !text.empty();)
        settings.lines_.emplace_back(TakeLine(text));
    return {std::move(settings), std::nullopt};
}

std::optional<std::string> SettingsFile::Get(std::string_view key) const
{
    const std::optional<KeyName> name = SplitKey(key);
    return name ? Value(name->section, name->name) : std::nullopt;
}

bool SettingsFile::Set(std::string_view key, std::string_view value)
{
    const std::optional<KeyName> name = SplitKey(key);
    return name && SetValue(name->section, name->name, value);
}

bool SettingsFile::Unset(std::string_view key)
{
    const std::optional<KeyName> name = SplitKey(key);
    return name && UnsetValue(name->section, name->name);
}

std::optional<std::string> SettingsFile::Value(
    std::string_view sectionName, std::string_view name) const
{
    const std::vector<std::size_t> lines = LinesOf(sectionName, name);
    if (lines.empty())
        return std::nullopt;
    return std::string(*ValueOf(lines_[lines.back()], name));
}

bool SettingsFile::SetValue(
    std::string_view sectionName, std::string_view name, std::string_view value)
{
    if (sectionName.empty() || name.empty()
        || value.find_first_of(kRefusedInValues) != std::string_view::npos)
        return false;
    std::vector<std::size_t> lines = LinesOf(sectionName, name);
    if (lines.empty()) {
        AddLine(sectionName, std::string(name) + " = " + std::string(value));
        return true;
    }
    // The line that counts takes the value where it stands, keeping what a
    // person wrote before it; the others would only hide it again.
    std::string_view kept = lines_[lines.back()];
    if (kept.ends_with('\r'))
        kept.remove_suffix(1);
    kept = kept.substr(0, kept.find_first_not_of(kBlanks, kept.find('=') + 1));
    lines_[lines.back()] = NewLine(std::string(kept) + std::string(value));
    lines.pop_back();
    EraseLines(lines);
    return true;
}

bool SettingsFile::UnsetValue(std::string_view sectionName, std::string_view name)
{
    const std::vector<std::size_t> lines = LinesOf(sectionName, name);
    EraseLines(lines);
    return !lines.empty();
}

std::vector<std::size_t> SettingsFile::LinesOf(
    std::string_view sectionName, std::string_view name) const
{
    std::vector<std::size_t> found;
    for (const SectionLines& section : SectionsNamed(lines_, sectionName)) {
        for (std::size_t index = section.header + 1; index < section.end; ++index) {
            if (ValueOf(lines_[index], name))
                found.push_back(index);
        }
    }
    return found;
}

void SettingsFile::EraseLines(const std::vector<std::size_t>& lines)
{
    // From the last back, so that each erase moves none still to erase.
    for (const std::size_t index : lines | std::views::reverse)
        lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(index));
}

void SettingsFile::AddLine(std::string_view sectionName, std::string text)
{
    std::vector<SectionLines> sections = SectionsNamed(lines_, sectionName);
    if (sections.empty()) {
        if (!lines_.empty() && !Trimmed(lines_.back()).empty())
            lines_.push_back(NewLine(""));
        lines_.push_back(NewLine('[' + std::string(sectionName) + ']'));
        sections.push_back({lines_.size() - 1, lines_.size()});
    }
    // After the last section's last line that is not blank.
    const SectionLines& section = sections.back();
    std::size_t position = section.end;
    while (position > section.header + 1 && Trimmed(lines_[position - 1]).empty())
        --position;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(position), NewLine(std::move(text)));
}

std::vector<std::string> SettingsFile::SectionNames() const
{
    std::vector<std::string> names;
    for (const std::string& line : lines_) {
        const std::optional<std::string_view> section = SectionOf(line);
        if (section && std::ranges::find(names, *section) == names.end())
            names.emplace_back(*section);
    }
    return names;
}

bool SettingsFile::RemoveSection(std::string_view sectionName)
{
    const std::vector<SectionLines> sections = SectionsNamed(lines_, sectionName);
    for (const SectionLines& section : sections | std::views::reverse)
        lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(section.header),
            lines_.begin() + static_cast<std::ptrdiff_t>(section.end));
    return !sections.empty();
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

std::string SettingsFile::NewLine(std::string text) const
{
    if (!lines_.empty() && lines_.front().ends_with('\r'))
        text += '\r';
    return text;
}
