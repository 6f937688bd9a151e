#include "DiffPicture.h"

#include <algorithm>

namespace diffpicture {
namespace {

bool black(const graphics::Graphic &graphic, int x, int y)
{
    return x < graphic.width() && y < graphic.height() && graphic.dot(x, y);
}

constexpr int Gap = 1; // dots of background between the panels

} // namespace

int changedDots(const graphics::Graphic &a, const graphics::Graphic &b)
{
    const int width = std::max(a.width(), b.width());
    const int height = std::max(a.height(), b.height());
    int changed = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            changed += black(a, x, y) != black(b, x, y);
    return changed;
}

QImage draw(const graphics::Graphic &a, const graphics::Graphic &b, int scale)
{
    const int width = std::max(a.width(), b.width());
    const int height = std::max(a.height(), b.height());
    const QRgb outside = qRgb(160, 160, 160);
    const QRgb white = qRgb(255, 255, 255);
    const QRgb dark = qRgb(0, 0, 0);
    const QRgb unchanged = qRgb(208, 208, 208);
    const QRgb changed = qRgb(224, 0, 0);
    QImage image((3 * width + 2 * Gap) * scale, height * scale, QImage::Format_RGB32);
    image.fill(outside);
    const auto put = [&](int panel, int x, int y, QRgb colour) {
        const int left = (panel * (width + Gap) + x) * scale;
        for (int py = y * scale; py < (y + 1) * scale; ++py) {
            auto *line = reinterpret_cast<QRgb *>(image.scanLine(py));
            std::fill(line + left, line + left + scale, colour);
        }
    };
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool inA = x < a.width() && y < a.height();
            const bool inB = x < b.width() && y < b.height();
            if (inA)
                put(0, x, y, a.dot(x, y) ? dark : white);
            if (inB)
                put(1, x, y, b.dot(x, y) ? dark : white);
            const bool blackA = black(a, x, y);
            const bool blackB = black(b, x, y);
            put(2, x, y, blackA != blackB ? changed : blackA ? unchanged : white);
        }
    }
    return image;
}

} // namespace diffpicture
