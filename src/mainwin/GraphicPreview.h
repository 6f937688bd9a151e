#pragma once

#include "graphics/Graphic.h"

#include <QString>

#include <optional>

class ProjectState;

// What the main window's preview shows for an item: the dots of a graphic item
// with its size, a short note when its file is missing or no graphic, and
// nothing for items of other types.
struct GraphicPreview
{
    std::optional<graphics::Graphic> graphic;
    QString text; // empty for an item that is not a graphic

    bool isEmpty() const { return !graphic && text.isEmpty(); }

    // Reads the one file of the item, and only when its type letter is "G".
    static GraphicPreview of(ProjectState &state, qsizetype item);
};
