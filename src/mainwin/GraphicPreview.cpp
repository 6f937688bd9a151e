#include "mainwin/GraphicPreview.h"

#include "graphics/ItemGraphic.h"
#include "project/ProjectState.h"

GraphicPreview GraphicPreview::of(ProjectState &state, qsizetype item)
{
    if (item < 0 || item >= state.items().count() || state.items().type(item) != ItemType::Graphic)
        return {};
    graphics::ItemGraphic read = graphics::readItem(state.itemFilePath(item));
    if (!read.graphic)
        return {std::nullopt, read.note};
    QString text = graphics::sizeText(*read.graphic);
    if (!read.note.isEmpty())
        text += QLatin1Char('\n') + read.note;
    return {std::move(read.graphic), text};
}
