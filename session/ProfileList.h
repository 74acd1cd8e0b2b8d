#pragma once

// The profile list: entry 0 "Default" stands for the built-in profile, the
// entries after it for the profile files of the working folder, each keeping
// its name and its real file name byte for byte (so "Upper.WST" opens). One
// entry, or none, is selected. Every change is shown through the view.

#include "profile/ProfileStore.h"

#include <string>
#include <string_view>
#include <vector>

class SessionView;

class ProfileList {
public:
    explicit ProfileList(SessionView& view);

    // "Default", then the entries in their order; nothing is selected.
    void Fill(const std::vector<ProfileEntry>& files);
    // A new last entry, not selected.
    void Append(const ProfileEntry& file);
    // -1 selects nothing.
    void Select(int entry);

    int selected() const { return selected_; }
    int Count() const { return static_cast<int>(entries_.size()); }
    const std::string& NameAt(int entry) const { return EntryAt(entry).name; }
    const ProfileEntry& EntryAt(int entry) const;
    // Whether the list holds exactly these files after "Default".
    bool Holds(const std::vector<ProfileEntry>& files) const;
    // The first entry whose name begins with prefix, letter case ignored,
    // looking from entry 1 to the end and then at entry 0; -1 when none does.
    int FindStartingWith(std::string_view prefix) const;
    // The first entry standing for exactly this name; -1 when none does.
    int Find(const std::string& name) const;

private:
    void ShowEntries();

    SessionView& view_;
    std::vector<ProfileEntry> entries_;
    int selected_ = -1;
};
