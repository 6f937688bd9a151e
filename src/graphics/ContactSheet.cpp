#include "graphics/ContactSheet.h"

#include "graphics/GraphicImage.h"
#include "project/ItemTable.h"
#include "project/PathResolve.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace contactsheet {
namespace {

constexpr int DotPixels = 3;
constexpr int Margin = 16;
constexpr int Gap = 24;
constexpr int MinCellWidth = 180;
constexpr int SheetWidth = 1280; // columns are added while they fit this
constexpr int CaptionLines = 3;
constexpr qint64 MaxPixels = 128LL * 1024 * 1024; // 512 MiB at 32 bits a pixel
const QSize Placeholder(96, 48);

const QColor Frame(160, 160, 160);
const QColor Missing(176, 0, 0);

QFont sheetFont(bool bold)
{
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(12);
    font.setBold(bold);
    return font;
}

QSize pictureSize(const Entry &entry)
{
    if (!entry.graphic.graphic)
        return Placeholder;
    return QSize(entry.graphic.graphic->width(), entry.graphic.graphic->height()) * DotPixels;
}

void drawPlaceholder(QPainter &painter, const QRect &box)
{
    painter.save();
    painter.setPen(QPen(Missing, 1, Qt::DashLine));
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    painter.drawLine(box.topLeft(), box.bottomRight());
    painter.drawLine(box.bottomLeft(), box.topRight());
    painter.restore();
}

} // namespace

std::vector<Entry> collect(const ItemTable &items, const QString &folder)
{
    std::vector<Entry> entries;
    for (qsizetype item = 0; item < items.count(); ++item) {
        if (items.type(item) != ItemType::Graphic)
            continue;
        entries.push_back(
            {item, items.fullName(item),
             graphics::readItem(pathresolve::resolve(folder + items.fileName(item)))});
    }
    return entries;
}

Sheet draw(const QString &title, const std::vector<Entry> &entries)
{
    const QFont plain = sheetFont(false);
    const QFont bold = sheetFont(true);
    const int line = std::max(QFontMetrics(plain).height(), QFontMetrics(bold).height());

    int cellWidth = MinCellWidth;
    for (const Entry &entry : entries)
        cellWidth = std::max(cellWidth, pictureSize(entry).width());
    const std::size_t columns =
        std::clamp<std::size_t>((SheetWidth - 2 * Margin + Gap) / (cellWidth + Gap), 1,
                                std::max<std::size_t>(1, entries.size()));

    // Each row is as tall as its tallest picture; the captions line up below it.
    struct Row
    {
        int top = 0;
        int tallest = 0;
    };
    std::vector<Row> rows;
    int y = Margin + line + Gap;
    for (std::size_t first = 0; first < entries.size(); first += columns) {
        Row row{y, 0};
        for (std::size_t k = first; k < std::min(entries.size(), first + columns); ++k)
            row.tallest = std::max(row.tallest, pictureSize(entries[k]).height());
        rows.push_back(row);
        y += row.tallest + 4 + CaptionLines * line + Gap;
    }
    if (entries.empty())
        y += line + Gap;
    const int width = 2 * Margin + static_cast<int>(columns) * (cellWidth + Gap) - Gap;
    const int height = y - Gap + Margin;
    if (qint64(width) * height > MaxPixels)
        return {{},
                QStringLiteral("%1 graphics make a sheet of %2 x %3 pixels, too large for one "
                               "picture")
                    .arg(entries.size())
                    .arg(width)
                    .arg(height)};

    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull())
        return {{},
                QStringLiteral("Not enough memory for a sheet of %1 x %2 pixels")
                    .arg(width)
                    .arg(height)};
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(Qt::black);
    painter.setFont(bold);
    painter.drawText(QRect(Margin, Margin, width - 2 * Margin, line), Qt::AlignLeft | Qt::AlignTop,
                     QFontMetrics(bold).elidedText(title, Qt::ElideMiddle, width - 2 * Margin));
    if (entries.empty()) {
        painter.setFont(plain);
        painter.drawText(QRect(Margin, Margin + line + Gap, width - 2 * Margin, line),
                         Qt::AlignLeft | Qt::AlignTop, QStringLiteral("No graphic items"));
    }

    const auto caption = [&](const QFont &font, const QColor &colour, int left, int top,
                             const QString &text) {
        painter.setFont(font);
        painter.setPen(colour);
        painter.drawText(QRect(left, top, cellWidth, line), Qt::AlignLeft | Qt::AlignTop,
                         QFontMetrics(font).elidedText(text, Qt::ElideRight, cellWidth));
    };
    for (std::size_t k = 0; k < entries.size(); ++k) {
        const Entry &entry = entries[k];
        const Row &row = rows[k / columns];
        const int left = Margin + static_cast<int>(k % columns) * (cellWidth + Gap);
        const int top = row.top;

        const QRect box(QPoint(left, top), pictureSize(entry));
        if (const auto &graphic = entry.graphic.graphic) {
            painter.drawImage(box.topLeft(), graphics::toImage(*graphic, DotPixels));
            // The frame lies just outside the dots, so a white graphic still
            // shows its size.
            painter.setPen(Frame);
            painter.drawRect(box.adjusted(-1, -1, 0, 0));
        } else {
            drawPlaceholder(painter, box);
        }
        int textTop = top + row.tallest + 4;
        caption(bold, Qt::black, left, textTop,
                QString::number(entry.item) + QStringLiteral("  ") + entry.fullName);
        textTop += line;
        if (entry.graphic.graphic) {
            caption(plain, Qt::black, left, textTop, graphics::sizeText(*entry.graphic.graphic));
            textTop += line;
        }
        if (!entry.graphic.note.isEmpty())
            caption(plain, Missing, left, textTop, entry.graphic.note);
    }
    painter.end();
    return {image, {}};
}

} // namespace contactsheet
