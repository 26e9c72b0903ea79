#pragma once
// Widgets carry their component names as object names, so that code and
// tests find them by name.

#include <utility>

namespace tarnix {

template <typename Widget, typename... Args>
Widget* named(const char* name, Args&&... args)
{
    auto* widget = new Widget(std::forward<Args>(args)...);
    widget->setObjectName(name);
    return widget;
}

}  // namespace tarnix
