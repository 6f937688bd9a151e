#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <optional>

// Where a window goes: beside the main window, or back where it was, as the
// settings keep its place.
namespace windowplace {

// The top-left corner for a window of the given outer size: to the right of
// main (its outer rectangle) when it fits on the screen's free area, else below
// it, else against the screen's right edge but never above menuBottom, the
// lowest line of main's menu bar.
QPoint beside(const QRect &main, int menuBottom, const QSize &size, const QRect &screen);

// "x,y,width,height", and back; nothing for text that is not four whole
// numbers with a positive width and height.
QString toText(const QRect &place);
std::optional<QRect> fromText(const QString &text);

// Whether the place lies wholly on the given screen areas (together they may
// hold what none holds alone), so that a place kept from a larger or another
// set of screens is not restored out of reach.
bool fits(const QRect &place, const QList<QRect> &areas);
// The free areas of the screens there are now.
QList<QRect> availableAreas();

} // namespace windowplace
