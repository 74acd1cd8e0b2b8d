#include "editor/WindowControls.h"

#include <stdexcept>
#include <string>

void WindowControls::Add(int id, QWidget& control)
{
    controls_[id] = &control;
}

QWidget* WindowControls::Find(int id) const
{
    const auto found = controls_.find(id);
    return found == controls_.end() ? nullptr : found->second;
}

void WindowControls::ThrowMissing(int id)
{
    throw std::logic_error("the window has no control " + std::to_string(id) + " of that kind");
}
