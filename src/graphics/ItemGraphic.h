#pragma once

#include "graphics/Graphic.h"

#include <QString>

#include <optional>

// One graphic item file read for showing: the graphic as the editor would open
// it, or a short note why there is none.
namespace graphics {

struct ItemGraphic
{
    std::optional<Graphic> graphic;
    // Without a graphic: why ("Cannot read the file: 53: File not found", "Not a
    // graphic: ..."). With one: empty, or what is odd about the file's size.
    QString note;

    bool missingOrInvalid() const { return !graphic.has_value(); }
};

ItemGraphic fromFileBytes(QByteArrayView file);
ItemGraphic readItem(const QString &path);

} // namespace graphics
