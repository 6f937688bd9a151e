#pragma once

#include <QRect>
#include <QWidget>

// Window layout values are in twips, 1/1440 inch; the screen's real resolution
// turns them into pixels (15 twips a pixel at 96 dpi).
namespace twips {

int toPixels(int twips, int dpi);
int fromPixels(int pixels, int dpi);

// Places a child at left, top, width, height given in twips.
void place(QWidget *widget, int left, int top, int width, int height);

} // namespace twips
