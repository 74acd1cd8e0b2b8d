#pragma once

// The window's keyboard shortcuts. A shortcut presses the button that the
// routing table gives its action, so it runs the button's own route, and a
// disabled button's shortcut does nothing. Undo, redo and comparing have no
// button (the window's layout has no room for one): their keys run the
// window's action directly.

#include "app/RoutingTable.h"

#include <QKeyCombination>

struct Shortcut {
    QKeyCombination keys;
    Action action;
};

inline constexpr Shortcut shortcutTable[] = {
    {Qt::CTRL | Qt::Key_N, Action::NewProfile},
    {Qt::CTRL | Qt::Key_S, Action::SaveProfile},
    {Qt::CTRL | Qt::SHIFT | Qt::Key_S, Action::SaveProfileAs},
    {Qt::CTRL | Qt::Key_R, Action::RevertProfile},
    {Qt::CTRL | Qt::Key_P, Action::Publish},
    {Qt::CTRL | Qt::Key_Q, Action::Quit},  // the close path, which asks about unsaved edits
    {QKeyCombination(Qt::Key_F1), Action::ShowAbout},
    {Qt::CTRL | Qt::Key_Z, Action::Undo},
    {Qt::CTRL | Qt::SHIFT | Qt::Key_Z, Action::Redo},
    {Qt::CTRL | Qt::Key_Y, Action::Redo},
    {Qt::CTRL | Qt::Key_D, Action::Compare},
};

// The push button whose click the routing table sends to this action; None
// when no button runs it.
constexpr int ButtonOf(Action action)
{
    for (const Route& route : routingTable) {
        if (route.action == action && route.notification == Notification::Clicked
            && KindOf(route.id) == ControlKind::PushButton)
            return route.id;
    }
    return ControlId::None;
}
constexpr bool IsWindowAction(Action action)
{
    return action == Action::Undo || action == Action::Redo || action == Action::Compare;
}

static_assert(std::ranges::none_of(shortcutTable,
                  [](const Shortcut& shortcut) {
                      return (ButtonOf(shortcut.action) == ControlId::None)
                          != IsWindowAction(shortcut.action);
                  }),
    "a shortcut's action has no button, or a window action has one");
