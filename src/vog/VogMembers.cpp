#include "vog/VogMembers.h"

#include <algorithm>

using namespace automation;

namespace vog::members {
namespace {

Entry property(Id id, const char *name, VarType type, int exchange = 0, int defaultValue = 0)
{
    return Entry{Member{id, QLatin1String(name), true, type, {}, {}}, false, exchange,
                 defaultValue};
}

Entry readOnly(Id id, const char *name, VarType type)
{
    Entry entry = property(id, name, type);
    entry.readOnly = true;
    return entry;
}

Entry method(Id id, const char *name, VarType result, QList<Param> params = {})
{
    return Entry{Member{id, QLatin1String(name), false, result, std::move(params), {}}};
}

Param param(const char *name, VarType type)
{
    return Param{QLatin1String(name), type};
}

} // namespace

const QList<Entry> &all()
{
    using enum VarType;
    static const QList<Entry> table = {
        property(SizeX, "SizeX", Int16, 1, 32),
        property(SizeY, "SizeY", Int16, 2, 32),
        property(DotSize, "DotSize", Int16, 3, 16),
        property(FromX, "FromX", Int16, 5),
        property(FromY, "FromY", Int16, 6),
        property(DotGap, "DotGap", Int16, 4, 4),
        property(SelSet, "SelSet", Bool, 7),
        property(SelPosX1, "SelPosX1", Int16, 8),
        property(SelPosY1, "SelPosY1", Int16, 9),
        property(SelPosX2, "SelPosX2", Int16, 10),
        property(SelPosY2, "SelPosY2", Int16, 11),
        property(DrawMode, "DrawMode", Int16, 13),
        property(MouseX, "MouseX", Int32),
        property(Mode, "Mode", Bool, 12),
        property(TextAlignment, "TextAlignment", Int16, 14),
        // The stock font follows the control's own properties.
        property(Id::Font, "Font", VarType::Font, 15),
        readOnly(CanUndo, "CanUndo", Bool),
        readOnly(CanRedo, "CanRedo", Bool),
        property(Tool, "Tool", Int16),
        property(Filled, "Filled", Bool),
        readOnly(HoverDotX, "HoverDotX", Int16),
        readOnly(HoverDotY, "HoverDotY", Int16),
        readOnly(DragWidth, "DragWidth", Int16),
        readOnly(DragHeight, "DragHeight", Int16),
        // After the stock properties, so that the specified ones keep their order.
        property(UndoDepth, "UndoDepth", Int16, 16, 8),
        method(PaintSelection, "PaintSelection", Void, {param("PaintMode", Int16)}),
        method(Escape, "Escape", Void),
        method(Copy, "Copy", Bool),
        method(Paste, "Paste", Bool),
        method(GetData, "GetData", String),
        method(SetData, "SetData", Bool, {param("str", String)}),
        method(GetOvl, "GetOvl", String),
        method(SetOvl, "SetOvl", Bool, {param("str", String)}),
        method(SetText, "SetText", Void, {param("str", String)}),
        method(MirrorSelection, "MirrorSelection", Void, {param("hor", Bool)}),
        method(ImportPicture, "ImportPicture", Void, {param("pic", Picture)}),
        method(TightBound, "TightBound", Void),
        method(RotateSelection, "RotateSelection", Bool, {param("angle", Int16)}),
        method(Undo, "Undo", Void),
        method(ResetUndo, "ResetUndo", Void),
        method(SaveUndo, "SaveUndo", Void),
        method(Redo, "Redo", Void),
        method(Repaint, "Repaint", Void),
        method(UndoChange, "UndoChange", Bool),
        method(RedoChange, "RedoChange", Bool),
        method(AboutBox, "AboutBox", Void),
    };
    return table;
}

const MemberTable &dispatchTable()
{
    static const MemberTable table = [] {
        QList<Member> list;
        for (const Entry &entry : all())
            list.append(entry.member);
        return MemberTable(list);
    }();
    return table;
}

QList<Entry> exchanged()
{
    QList<Entry> list;
    for (const Entry &entry : all()) {
        if (entry.exchange > 0)
            list.append(entry);
    }
    std::sort(list.begin(), list.end(),
              [](const Entry &a, const Entry &b) { return a.exchange < b.exchange; });
    return list;
}

bool isReadOnly(DispId id)
{
    return std::any_of(all().begin(), all().end(), [id](const Entry &entry) {
        return entry.member.id == id && entry.readOnly;
    });
}

} // namespace vog::members
