#pragma once

#include "platform/automation/Dispatch.h"

#include <QList>

// The one list of the members of _DVog. The dispatch table and the persisted
// properties are derived from it; a test holds the type library data to it.
namespace vog::members {

enum Id : automation::DispId {
    SizeX = 1,
    SizeY,
    DotSize,
    FromX,
    FromY,
    DotGap,
    SelSet,
    SelPosX1,
    SelPosY1,
    SelPosX2,
    SelPosY2,
    DrawMode,
    MouseX,
    Mode,
    TextAlignment,
    PaintSelection,
    Escape,
    Copy,
    Paste,
    GetData,
    SetData,
    GetOvl,
    SetOvl,
    SetText,
    MirrorSelection,
    ImportPicture,
    TightBound,
    RotateSelection,
    Undo,
    ResetUndo,
    SaveUndo,
    Redo,
    Repaint,
    CanUndo,
    CanRedo,
    UndoChange,
    RedoChange,
    Tool,
    Filled,
    HoverDotX,
    HoverDotY,
    DragWidth,
    DragHeight,
    UndoDepth,
    Font = -512,
    AboutBox = -552,
};

struct Entry
{
    automation::Member member;
    bool readOnly = false;
    // Place in the property exchange (1 first), 0 for members never exchanged.
    int exchange = 0;
    int defaultValue = 0; // of an exchanged number or boolean
};

// In type library order: properties, then methods.
const QList<Entry> &all();
const automation::MemberTable &dispatchTable();
// The exchanged properties in exchange order.
QList<Entry> exchanged();
bool isReadOnly(automation::DispId id);

} // namespace vog::members
