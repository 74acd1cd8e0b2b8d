#pragma once

// The profile list as the window shows it: one entry per entry of the
// session's list, the text decoded from the file name's bytes. Every change
// made here is the program's own and never reaches the window's handlers,
// which listen for the user's selections only.

#include <string>
#include <vector>

class QListWidget;
class WindowControls;

class ProfileListBox {
public:
    explicit ProfileListBox(const WindowControls& controls);

    // The entries in their order; nothing is selected.
    void ShowEntries(const std::vector<std::string>& entries);
    // -1 selects nothing.
    void Select(int row);
    // The entry the user has selected; -1 for none.
    int SelectedRow() const;

private:
    QListWidget& list_;
};
