#include "session/ProfileList.h"

#include "profile/Profile.h"
#include "session/SessionView.h"

#include <algorithm>
#include <cctype>

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

void ProfileList::Fill(const std::vector<std::string>& names)
{
    entries_.assign(1, kDefaultProfileName);
    entries_.insert(entries_.end(), names.begin(), names.end());
    selected_ = -1;
    view_.ShowProfileEntries(entries_);
}

void ProfileList::Append(const std::string& name)
{
    entries_.push_back(name);
    view_.ShowProfileEntries(entries_);
    view_.ShowSelectedEntry(selected_);
}

void ProfileList::Select(int entry)
{
    selected_ = entry;
    view_.ShowSelectedEntry(entry);
}

const std::string& ProfileList::NameAt(int entry) const
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
    const auto found = std::ranges::find(entries_, name);
    return found == entries_.end() ? -1 : static_cast<int>(found - entries_.begin());
}
