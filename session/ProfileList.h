#pragma once

// The profile list: entry 0 "Default" stands for the built-in profile, the
// entries after it for the profile files of the working folder, each keeping
// its file name byte for byte. One entry, or none, is selected. Every change
// is shown through the view.

#include <string>
#include <string_view>
#include <vector>

class SessionView;

class ProfileList {
public:
    explicit ProfileList(SessionView& view);

    // "Default", then the names in their order; nothing is selected.
    void Fill(const std::vector<std::string>& names);
    // A new last entry, not selected.
    void Append(const std::string& name);
    // -1 selects nothing.
    void Select(int entry);

    int selected() const { return selected_; }
    int Count() const { return static_cast<int>(entries_.size()); }
    const std::string& NameAt(int entry) const;
    // The first entry whose name begins with prefix, letter case ignored,
    // looking from entry 1 to the end and then at entry 0; -1 when none does.
    int FindStartingWith(std::string_view prefix) const;
    // The first entry standing for exactly this name; -1 when none does.
    int Find(const std::string& name) const;

private:
    SessionView& view_;
    std::vector<std::string> entries_;
    int selected_ = -1;
};
