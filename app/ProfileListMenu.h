#pragma once

// The context menu of the profile list: "Compare With..." opens the compare
// window with the entry under the pointer chosen (-1 when there is none). A
// right click only opens the menu: it selects nothing, since a selection of
// the list is a switch to that profile.

#include <QObject>

#include <functional>

class QListWidget;

class ProfileListMenu : public QObject {
public:
    ProfileListMenu(QListWidget& list, std::function<void(int entry)> compare);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QListWidget& list_;
    std::function<void(int entry)> compare_;
};
