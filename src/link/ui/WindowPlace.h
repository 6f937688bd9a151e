#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <optional>

// Where a helper window goes beside the main window, and its remembered place
// as the settings keep it.
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

} // namespace windowplace
