#include "installs/ServerEntry.h"
#include "text/Translated.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>

namespace {

constexpr std::string_view kSectionWord = "server";
constexpr std::string_view kBlanks = " \t";
constexpr std::array<std::string_view, 4> kNoWords = {"no", "false", "off", "0"};

// The server's name in a section name such as server "eu1"; none for other sections.
std::optional<std::string> NameOf(std::string_view section)
{
    if (!section.starts_with(kSectionWord))
        return std::nullopt;
    section.remove_prefix(kSectionWord.size());
    const std::size_t quote = section.find_first_not_of(kBlanks);
    if (quote == 0 || quote == std::string_view::npos || section[quote] != '"'
        || section.size() < quote + 2 || section.back() != '"')
        return std::nullopt;
    return std::string(section.substr(quote + 1, section.size() - quote - 2));
}

std::string SectionFor(std::string_view name)
{
    return std::string(kSectionWord) + " \"" + std::string(name) + '"';
}

// The section as the file spells it (a person may have put two spaces in it).
std::string FindSection(const SettingsFile& settings, std::string_view name)
{
    for (const std::string& section : settings.SectionNames()) {
        if (NameOf(section) == name)
            return section;
    }
    return SectionFor(name);
}

bool IsNo(std::string value)
{
    std::ranges::transform(value, value.begin(),
        [](unsigned char byte) { return static_cast<char>(std::tolower(byte)); });
    return std::ranges::find(kNoWords, value) != kNoWords.end();
}

}  // namespace

std::vector<ServerEntry> ServerEntry::ReadAll(const SettingsFile& settings)
{
    std::vector<ServerEntry> servers;
    for (const std::string& section : settings.SectionNames()) {
        const std::optional<std::string> name = NameOf(section);
        const std::optional<std::string> url = settings.Value(section, "url");
        if (!name || !url || !CheckName(*name).empty())
            continue;
        servers.push_back({*name, *url,
            IsNo(settings.Value(section, "publish").value_or("")) ? ServerUse::LeftOut
                                                                  : ServerUse::PublishedTo,
            settings.Value(section, "pin").value_or("")});
    }
    return servers;
}

std::string ServerEntry::CheckName(std::string_view name)
{
    if (name.empty())
        return Translated("A server needs a name.");
    const bool plain = std::ranges::all_of(name, [](unsigned char byte) {
        return std::isalnum(byte) || byte == '.' || byte == '-' || byte == '_';
    });
    if (!plain)
        return Translated("A server's name may hold only letters, digits, '.', '-' and '_'.");
    return {};
}

bool ServerEntry::WriteTo(SettingsFile& settings) const
{
    if (!CheckName(name).empty())
        return false;
    const std::string section = FindSection(settings, name);
    if (!settings.SetValue(section, "url", url))
        return false;
    settings.SetValue(section, "publish", use == ServerUse::PublishedTo ? "yes" : "no");
    if (pin.empty())
        settings.UnsetValue(section, "pin");
    return pin.empty() || settings.SetValue(section, "pin", pin);
}

bool ServerEntry::RemoveFrom(SettingsFile& settings, std::string_view name)
{
    return settings.RemoveSection(FindSection(settings, name));
}
