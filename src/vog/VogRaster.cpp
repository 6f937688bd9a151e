#include "vog/VogRaster.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace vog::raster {
namespace {

constexpr int maxLines = 15;

QImage whiteMono(const QSize &size)
{
    QImage image(size, QImage::Format_Mono);
    // A one-bit image paints white as index 0 only once its table says so.
    image.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    image.fill(0);
    return image;
}

} // namespace

QStringList textLines(const QString &text)
{
    QStringList lines = text.split(QLatin1Char('\r'));
    if (lines.size() > maxLines)
        lines.erase(lines.begin() + maxLines, lines.end());
    return lines;
}

void setText(DotModel &model, const QString &text, const QFont &font, int alignment,
             const QSize &surface)
{
    QFont drawn = font;
    drawn.setStyleStrategy(QFont::NoAntialias);
    const QStringList lines = textLines(text);

    QImage image = whiteMono(surface.expandedTo(QSize(1, 1)));
    const QFontMetrics metrics(drawn, &image);
    int blockWidth = 0;
    int blockHeight = 0;
    for (const QString &line : lines) {
        blockWidth = std::max(blockWidth, metrics.horizontalAdvance(line));
        blockHeight += metrics.height();
    }

    const Qt::Alignment horizontal = alignment == 0   ? Qt::AlignLeft
                                     : alignment == 1 ? Qt::AlignRight
                                                      : Qt::AlignHCenter;
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setFont(drawn);
        painter.setPen(Qt::black);
        painter.setClipRect(QRect(0, 0, blockWidth, blockHeight));
        int y = 0;
        for (const QString &line : lines) {
            // A line feed inside a line is part of that line, not a break.
            painter.drawText(QRect(0, y, blockWidth, metrics.height()),
                             horizontal | Qt::AlignTop | Qt::TextSingleLine, line);
            y += metrics.height();
        }
    }
    const QRect bounds = image.rect();
    model.PlaceText(blockWidth, blockHeight, [&](int x, int y) {
        return bounds.contains(x, y) && image.pixelIndex(x, y) == 1;
    });
}

bool importPicture(DotModel &model, const QImage &picture)
{
    if (picture.isNull())
        return false;
    // Only the part inside the graphic is looked at.
    const QSize used = picture.size().boundedTo(QSize(model.SizeX(), model.SizeY()));
    QImage surface(used, QImage::Format_RGB32);
    surface.fill(Qt::white);
    {
        QPainter painter(&surface);
        painter.drawImage(0, 0, picture);
    }
    return model.PlacePicture(picture.width(), picture.height(), [&](int x, int y) {
        return x < used.width() && y < used.height() && surface.pixel(x, y) != qRgb(255, 255, 255);
    });
}

} // namespace vog::raster
