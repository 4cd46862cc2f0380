#pragma once

// A new control with its object name, by which its window translates and
// finds it.

#include <QString>

namespace vg {

template <class W>
W* Named(W* widget, const QString& name)
{
    widget->setObjectName(name);
    return widget;
}

}  // namespace vg
