#include "app/ProfileListMenu.h"
#include "app/TranslatedString.h"

#include <QContextMenuEvent>
#include <QListWidget>
#include <QMenu>

ProfileListMenu::ProfileListMenu(QListWidget& list, std::function<void(int entry)> compare)
    : list_(list)
    , compare_(std::move(compare))
{
    // The pointer's menu comes to the entries' area, the menu key's to the list.
    list_.viewport()->installEventFilter(this);
    list_.installEventFilter(this);
}

bool ProfileListMenu::eventFilter(QObject* watched, QEvent* event)
{
    const auto isRightButton
        = [event] { return static_cast<QMouseEvent*>(event)->button() == Qt::RightButton; };
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        return isRightButton();
    case QEvent::ContextMenu:
        break;
    default:
        return false;
    }
    QPoint position = static_cast<QContextMenuEvent*>(event)->pos();
    if (watched == &list_)
        position = list_.viewport()->mapFrom(&list_, position);
    const int entry = list_.row(list_.itemAt(position));
    bool chosen = false;
    QMenu menu(&list_);
    QObject::connect(menu.addAction(TranslatedString("Compare With...")), &QAction::triggered,
        &menu, [&chosen] { chosen = true; });
    menu.exec(static_cast<QContextMenuEvent*>(event)->globalPos());
    // Opened once the menu has closed, so that the window is not the menu's child.
    if (chosen)
        compare_(entry);
    return true;
}
