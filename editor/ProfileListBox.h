#pragma once

// The profile list: entry 0 "Default" stands for the built-in profile, the
// entries after it are the profile files of the working folder. Each entry
// keeps the file name it stands for byte for byte, whatever its text shows.
// Every change made here is the program's own and never reaches the window's
// handlers, which listen for the user's selections only.

#include <string>
#include <vector>

class QListWidget;
class WindowControls;

class ProfileListBox {
public:
    explicit ProfileListBox(const WindowControls& controls);

    // "Default", then the names in their order; nothing is selected.
    void Fill(const std::vector<std::string>& names);
    // A new last entry, not selected.
    void Append(const std::string& name);
    // -1 selects nothing.
    void Select(int row);

    int Count() const;
    std::string NameAt(int row) const;
    // The first entry whose text begins with prefix, letter case ignored,
    // looking from entry 1 to the end and then at entry 0; -1 when none does.
    int FindStartingWith(const std::string& prefix) const;
    // The first entry standing for exactly this name; -1 when none does.
    int Find(const std::string& name) const;

private:
    QListWidget& list_;
};
