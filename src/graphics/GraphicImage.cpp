#include "graphics/GraphicImage.h"

#include "project/ItemFile.h"

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace graphics {

QImage toImage(const Graphic &graphic, int scale)
{
    Q_ASSERT(scale >= 1);
    QImage image(graphic.width() * scale, graphic.height() * scale, QImage::Format_Mono);
    // A one-bit image paints index 0 white only once its table says so.
    image.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    image.fill(0);
    for (int y = 0; y < graphic.height(); ++y) {
        uchar *first = image.scanLine(y * scale);
        for (int x = 0; x < graphic.width(); ++x) {
            if (!graphic.dot(x, y))
                continue;
            for (int px = x * scale; px < (x + 1) * scale; ++px)
                first[px >> 3] |= static_cast<uchar>(0x80 >> (px & 7));
        }
        for (int copy = 1; copy < scale; ++copy)
            std::memcpy(image.scanLine(y * scale + copy), first, image.bytesPerLine());
    }
    return image;
}

QImage importedDots(const QImage &picture, QSize limit)
{
    const QSize used = picture.size().boundedTo(limit);
    if (picture.isNull() || used.isEmpty())
        return {};
    // At 16 bits a channel, as deep as any picture Qt reads, and not
    // premultiplied, so no colour is rounded: laid on white, a pixel stays
    // pure white only when it is transparent or pure white itself.
    const QImage deep =
        picture.copy(QRect(QPoint(0, 0), used)).convertToFormat(QImage::Format_RGBA64);
    QImage dots(used, QImage::Format_Mono);
    dots.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    dots.fill(0);
    for (int y = 0; y < used.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgba64 *>(deep.constScanLine(y));
        for (int x = 0; x < used.width(); ++x) {
            const QRgba64 p = line[x];
            if (p.alpha() != 0 && (p.red() != 0xffff || p.green() != 0xffff || p.blue() != 0xffff))
                dots.setPixel(x, y, 1);
        }
    }
    return dots;
}

Graphic fromDots(const QImage &dots)
{
    Graphic graphic(dots.width(), (dots.height() + BandHeight - 1) / BandHeight);
    for (int y = 0; y < dots.height(); ++y)
        for (int x = 0; x < dots.width(); ++x)
            if (dots.pixelIndex(x, y) == 1)
                graphic.setDot(x, y, true);
    return graphic;
}

std::optional<Graphic> fromPicture(const QImage &picture)
{
    const QImage dots = importedDots(picture);
    if (dots.isNull())
        return std::nullopt;
    return fromDots(dots);
}

namespace {

constexpr qint64 MaxDecodedMiB = 1024;

// Where the shown picture's top-left corner of `kept` pixels lies in the
// picture as stored, for a picture of `stored` size that is shown turned.
QRect storedPart(QSize stored, QImageIOHandler::Transformations turn, QSize kept)
{
    const qreal w = stored.width();
    const qreal h = stored.height();
    // Stored to shown: mirror, then flip, then a quarter turn clockwise.
    QTransform toShown;
    if (turn & QImageIOHandler::TransformationRotate90)
        toShown = QTransform(0, 1, -1, 0, h, 0);
    if (turn & QImageIOHandler::TransformationFlip)
        toShown = QTransform(1, 0, 0, -1, 0, h) * toShown;
    if (turn & QImageIOHandler::TransformationMirror)
        toShown = QTransform(-1, 0, 0, 1, w, 0) * toShown;
    const QRectF shown(QPointF(0, 0), QSizeF(kept));
    return toShown.inverted().mapRect(shown).toAlignedRect() & QRect(QPoint(0, 0), stored);
}

} // namespace

Picture readPicture(const QString &path)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    // Only the part the import rule keeps is decoded, so a picture far larger
    // than a graphic imports without holding all its pixels.
    const QSize stored = reader.size();
    if (stored.isValid()) {
        const QImageIOHandler::Transformations turn = reader.transformation();
        const QSize shown =
            turn & QImageIOHandler::TransformationRotate90 ? stored.transposed() : stored;
        const QSize kept = shown.boundedTo(QSize(MaxWidth, MaxBands * BandHeight));
        if (kept != shown && reader.supportsOption(QImageIOHandler::ClipRect))
            reader.setClipRect(storedPart(stored, turn, kept));
        else if (kept != shown)
            // A decoder that cannot clip (PNG) holds the whole picture for a
            // moment: allowed up to 32 bits a pixel of 16384 x 16384.
            reader.setAllocationLimit(static_cast<int>(
                std::clamp<qint64>(qint64(stored.width()) * stored.height() * 4 / (1 << 20) + 1,
                                   reader.allocationLimit(), MaxDecodedMiB)));
    }
    errno = 0;
    Picture picture{reader.read(), {}};
    if (picture.image.isNull())
        picture.error = reader.error() == QImageReader::FileNotFoundError
                            ? platformerror::forMissingOrUnreadable(path, errno ? errno : ENOENT)
                            : platformerror::make(platformerror::InvalidPicture);
    return picture;
}

QByteArray pngBytes(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    writer.write(image);
    return bytes;
}

PlatformError writePng(const QImage &image, const QString &path)
{
    const QByteArray bytes = pngBytes(image);
    if (bytes.isEmpty())
        return platformerror::make(platformerror::DeviceIO);
    return itemfile::write(path, bytes);
}

int dotSizeToFit(QSize dots, QSize area, int least, int most)
{
    if (dots.isEmpty())
        return most;
    const int fit = std::min(area.width() / dots.width(), area.height() / dots.height());
    return std::clamp(fit, least, most);
}

} // namespace graphics
