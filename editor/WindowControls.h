#pragma once

// The main window's controls by identifier (see ControlIds.h). The window
// registers each control as it creates it; the editor's parts look up the ones
// they work on, once, when they are built. The widgets belong to the window.

#include <QWidget>

#include <unordered_map>

class WindowControls {
public:
    void Add(int id, QWidget& control);

    // The control with this identifier, or nullptr when there is none.
    QWidget* Find(int id) const;

    // The control with this identifier as the class it was created as; throws
    // std::logic_error when there is no such control or it is of another class,
    // since that is a mistake in the window's tables, not a user's doing.
    template <class Control> Control& Get(int id) const
    {
        Control* control = qobject_cast<Control*>(Find(id));
        if (control == nullptr)
            ThrowMissing(id);
        return *control;
    }

private:
    [[noreturn]] static void ThrowMissing(int id);

    std::unordered_map<int, QWidget*> controls_;
};
