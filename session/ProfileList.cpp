#include "session/ProfileList.h"

#include "profile/Profile.h"
#include "session/SessionView.h"

#include <algorithm>
#include <cctype>
#include <span>

namespace {

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size()
        && std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a))
                   == std::tolower(static_cast<unsigned char>(b));
           });
}

}  // namespace

ProfileList::ProfileList(SessionView& view)
    : view_(view)
{
}

void ProfileList::Fill(const std::vector<ProfileEntry>& files)
{
    entries_.assign(1, {kDefaultProfileName, std::string(kDefaultProfileName) + ".wst"});
    entries_.insert(entries_.end(), files.begin(), files.end());
    selected_ = -1;
    ShowEntries();
}

void ProfileList::Append(const ProfileEntry& file)
{
    entries_.push_back(file);
    ShowEntries();
    view_.ShowSelectedEntry(selected_);
}

bool ProfileList::Holds(const std::vector<ProfileEntry>& files) const
{
    return std::ranges::equal(files, std::span(entries_).subspan(1));
}

void ProfileList::ShowEntries()
{
    std::vector<std::string> names;
    for (const ProfileEntry& entry : entries_)
        names.push_back(entry.name);
    view_.ShowProfileEntries(names);
}

void ProfileList::Select(int entry)
{
    selected_ = entry;
    view_.ShowSelectedEntry(entry);
}

const ProfileEntry& ProfileList::EntryAt(int entry) const
{
    return entries_.at(static_cast<std::size_t>(entry));
}

int ProfileList::FindStartingWith(std::string_view prefix) const
{
    for (int i = 1; i <= Count(); ++i) {
        const int entry = i % Count();  // entry 0 comes last
        if (StartsWithIgnoringCase(NameAt(entry), prefix))
            return entry;
    }
    return -1;
}

int ProfileList::Find(const std::string& name) const
{
    const auto found = std::ranges::find(entries_, name, &ProfileEntry::name);
    return found == entries_.end() ? -1 : static_cast<int>(found - entries_.begin());
}
