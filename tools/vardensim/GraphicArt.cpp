#include "GraphicArt.h"

#include "graphics/GraphicImage.h"

#include <optional>

namespace graphicart {
namespace {

// The terminal takes only a whole graphic, not one the editor would pad.
std::optional<graphics::Graphic> whole(const QByteArray &b)
{
    std::optional<graphics::Graphic> graphic = graphics::decode(b);
    if (graphic && b.size() != graphic->fileSize())
        graphic.reset();
    return graphic;
}

} // namespace

bool isGraphic(const QByteArray &b)
{
    return whole(b).has_value();
}

QString text(const QByteArray &b)
{
    const std::optional<graphics::Graphic> graphic = whole(b);
    if (!graphic)
        return QStringLiteral("(not a graphic: %1 bytes)\n").arg(b.size());
    QString art;
    art.reserve(static_cast<qsizetype>(graphic->width() + 1) * graphic->height());
    for (int y = 0; y < graphic->height(); ++y) {
        for (int x = 0; x < graphic->width(); ++x)
            art.append(graphic->dot(x, y) ? QLatin1Char('#') : QLatin1Char('.'));
        art.append(QLatin1Char('\n'));
    }
    return art;
}

bool writePng(const QByteArray &b, const QString &path, int scale)
{
    const std::optional<graphics::Graphic> graphic = whole(b);
    return graphic && !graphics::writePng(graphics::toImage(*graphic, scale), path).isError();
}

} // namespace graphicart
