#include "mainwin/Twips.h"

#include "mainwin/MainLayout.h"

namespace twips {

int toPixels(int twips, int dpi)
{
    return static_cast<int>(mainlayout::roundHalfEven(static_cast<long long>(twips) * dpi, 1440));
}

int fromPixels(int pixels, int dpi)
{
    return static_cast<int>(mainlayout::roundHalfEven(static_cast<long long>(pixels) * 1440, dpi));
}

void place(QWidget *widget, int left, int top, int width, int height)
{
    const int dpi = widget->logicalDpiX();
    widget->setGeometry(toPixels(left, dpi), toPixels(top, dpi), toPixels(width, dpi),
                        toPixels(height, dpi));
}

} // namespace twips
