#pragma once

#include <QLatin1String>

// Gives a widget the object name it has as a member, so tests and the
// automation of the windows find it by the same name.
template <typename W> W *named(W *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}
