#pragma once

#include <QRect>

#include <optional>

class Settings;

// The main window's size and place between runs ("MainWindowPlace" as
// "x,y,width,height" of its inner area, "MainWindowMaximized" "1" or "0").
namespace mainplace {

struct Place
{
    std::optional<QRect> normal; // nothing when none is kept or it is unreadable
    bool maximized = false;
};

Place read(const Settings &settings);
void write(Settings &settings, const QRect &normal, bool maximized);

} // namespace mainplace
