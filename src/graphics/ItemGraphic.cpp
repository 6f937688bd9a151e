#include "graphics/ItemGraphic.h"

#include "project/ItemFile.h"

namespace graphics {

ItemGraphic fromFileBytes(QByteArrayView file)
{
    ItemGraphic item;
    item.graphic = decode(file);
    if (!item.graphic) {
        item.note = invalidReason(file);
        return item;
    }
    // The editor opens such files too; the note says what it makes of them.
    const qsizetype expected = item.graphic->fileSize();
    if (file.size() < expected)
        item.note = QStringLiteral("The file is %1 bytes short; they show white")
                        .arg(expected - file.size());
    else if (file.size() > expected)
        item.note = QStringLiteral("The file holds %1 bytes beyond the graphic")
                        .arg(file.size() - expected);
    return item;
}

ItemGraphic readItem(const QString &path)
{
    const itemfile::ReadResult read = itemfile::read(path);
    if (!read.ok())
        return {std::nullopt, QStringLiteral("Cannot read the file:") + read.error.text()};
    return fromFileBytes(read.bytes);
}

} // namespace graphics
