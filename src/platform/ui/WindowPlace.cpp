#include "platform/ui/WindowPlace.h"

#include <QGuiApplication>
#include <QRegion>
#include <QScreen>
#include <QStringList>

#include <algorithm>

namespace windowplace {
namespace {

// low, or as far towards it as keeps length within [first, last + 1).
int within(int low, int length, int first, int last)
{
    return std::max(first, std::min(low, last + 1 - length));
}

} // namespace

QPoint beside(const QRect &main, int menuBottom, const QSize &size, const QRect &screen)
{
    if (main.right() + 1 + size.width() <= screen.right() + 1)
        return {main.right() + 1, within(main.top(), size.height(), screen.top(), screen.bottom())};
    if (main.bottom() + 1 + size.height() <= screen.bottom() + 1)
        return {within(main.left(), size.width(), screen.left(), screen.right()),
                main.bottom() + 1};
    return {
        within(screen.right() + 1 - size.width(), size.width(), screen.left(), screen.right()),
        std::max(menuBottom + 1, within(main.top(), size.height(), screen.top(), screen.bottom()))};
}

QString toText(const QRect &place)
{
    return QStringLiteral("%1,%2,%3,%4")
        .arg(place.x())
        .arg(place.y())
        .arg(place.width())
        .arg(place.height());
}

std::optional<QRect> fromText(const QString &text)
{
    const QStringList fields = text.split(QLatin1Char(','));
    if (fields.size() != 4)
        return std::nullopt;
    int values[4] = {};
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        values[i] = fields[i].trimmed().toInt(&ok);
        if (!ok)
            return std::nullopt;
    }
    if (values[2] <= 0 || values[3] <= 0)
        return std::nullopt;
    return QRect(values[0], values[1], values[2], values[3]);
}

bool fits(const QRect &place, const QList<QRect> &areas)
{
    QRegion outside(place);
    for (const QRect &area : areas)
        outside -= area;
    return outside.isEmpty();
}

QList<QRect> availableAreas()
{
    QList<QRect> areas;
    for (const QScreen *screen : QGuiApplication::screens())
        areas << screen->availableGeometry();
    return areas;
}

} // namespace windowplace
