#include "GraphicArt.h"

#include "platform/SaveFile.h"

#include <QBuffer>
#include <QImage>

namespace graphicart {
namespace {

int width(const QByteArray &b)
{
    return static_cast<unsigned char>(b[0]);
}
int bands(const QByteArray &b)
{
    return static_cast<unsigned char>(b[1]);
}

bool black(const QByteArray &b, int x, int y)
{
    const auto column = static_cast<unsigned char>(b[2 + (y / 8) * width(b) + x]);
    return column >> (y % 8) & 1;
}

} // namespace

bool isGraphic(const QByteArray &b)
{
    return b.size() >= 2 && width(b) >= 1 && width(b) <= 128 && bands(b) >= 1 && bands(b) <= 16 &&
           b.size() == 2 + width(b) * bands(b);
}

QString text(const QByteArray &b)
{
    if (!isGraphic(b))
        return QStringLiteral("(not a graphic: %1 bytes)\n").arg(b.size());
    QString art;
    art.reserve((width(b) + 1) * bands(b) * 8);
    for (int y = 0; y < bands(b) * 8; ++y) {
        for (int x = 0; x < width(b); ++x)
            art.append(black(b, x, y) ? QLatin1Char('#') : QLatin1Char('.'));
        art.append(QLatin1Char('\n'));
    }
    return art;
}

bool writePng(const QByteArray &b, const QString &path, int scale)
{
    if (!isGraphic(b))
        return false;
    QImage image(width(b), bands(b) * 8, QImage::Format_Mono);
    image.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, black(b, x, y) ? 1 : 0);
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    return image.scaled(image.size() * scale).save(&png, "PNG") &&
           !savefile::save(path, png.data()).isError();
}

} // namespace graphicart
