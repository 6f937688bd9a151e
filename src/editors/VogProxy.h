#pragma once

#include "platform/automation/Object.h"
#include "platform/automation/Status.h"

#include <QString>
#include <QVariant>

// The graphic window's typed handle on the Vog control: one method per member
// it uses, each called by dispatch identifier. Every call's status is checked:
// a failed call answers a neutral value (0, FALSE, empty text), and the first
// failure is kept with the member's name for the window to report.
class VogProxy
{
public:
    // The control's mouse tools, by their Tool codes.
    enum class Tool { Select, Pen, Line, Rectangle, Ellipse, Fill };

    explicit VogProxy(automation::Object &control) : m_control(control) {}

    int sizeX() { return number(SizeX); }
    int sizeY() { return number(SizeY); }
    void setSizeX(int value) { put(SizeX, value); }
    void setSizeY(int value) { put(SizeY, value); }
    void setDotSize(int value) { put(DotSize, value); }
    void setDotGap(int value) { put(DotGap, value); }
    int fromX() { return number(FromX); }
    int fromY() { return number(FromY); }
    void setFromX(int value) { put(FromX, value); }
    void setFromY(int value) { put(FromY, value); }
    bool selSet() { return flag(SelSet); }
    int selPosX1() { return number(SelPosX1); }
    int selPosY1() { return number(SelPosY1); }
    int selPosX2() { return number(SelPosX2); }
    int selPosY2() { return number(SelPosY2); }
    void setDrawMode(int value) { put(DrawMode, value); }
    bool mode() { return flag(Mode); }
    void setMode(bool drawing) { put(Mode, drawing); }
    Tool tool();
    void setTool(Tool tool) { put(ToolId, static_cast<int>(tool)); }
    void setFilled(bool filled) { put(Filled, filled); }
    // The dot under the pointer, -1 when it is not over the graphic.
    int hoverDotX() { return number(HoverDotX); }
    int hoverDotY() { return number(HoverDotY); }
    // The size of a shape being dragged out, 0 when none.
    int dragWidth() { return number(DragWidth); }
    int dragHeight() { return number(DragHeight); }
    bool canUndo() { return flag(CanUndo); }
    // Snapshots the history keeps, 8..256.
    void setUndoDepth(int depth) { put(UndoDepth, depth); }
    bool canRedo() { return flag(CanRedo); }

    void paintSelection(int paintMode) { call(PaintSelection, {paintMode}); }
    bool rotateSelection(int angle) { return call(RotateSelection, {angle}).toBool(); }
    void mirrorSelection(bool horizontal) { call(MirrorSelection, {horizontal}); }
    void escape() { call(Escape); }
    bool copy() { return call(Copy).toBool(); }
    bool paste() { return call(Paste).toBool(); }
    QString getData() { return call(GetData).toString(); }
    bool setData(const QString &text) { return call(SetData, {text}).toBool(); }
    bool setOvl(const QString &text) { return call(SetOvl, {text}).toBool(); }
    void saveUndo() { call(SaveUndo); }
    void resetUndo() { call(ResetUndo); }
    bool undoChange() { return call(UndoChange).toBool(); }
    bool redoChange() { return call(RedoChange).toBool(); }

    // The first call that failed since the last clear(), as "member 20: <status>";
    // empty when every call succeeded.
    const QString &failure() const { return m_failure; }
    void clear() { m_failure.clear(); }

private:
    // The identifiers of the control's type library.
    enum Id : automation::DispId {
        SizeX = 1,
        SizeY = 2,
        DotSize = 3,
        FromX = 4,
        FromY = 5,
        DotGap = 6,
        SelSet = 7,
        SelPosX1 = 8,
        SelPosY1 = 9,
        SelPosX2 = 10,
        SelPosY2 = 11,
        DrawMode = 12,
        Mode = 14,
        PaintSelection = 16,
        Escape = 17,
        Copy = 18,
        Paste = 19,
        GetData = 20,
        SetData = 21,
        SetOvl = 23,
        MirrorSelection = 25,
        RotateSelection = 28,
        ResetUndo = 30,
        SaveUndo = 31,
        CanUndo = 34,
        CanRedo = 35,
        UndoChange = 36,
        RedoChange = 37,
        ToolId = 38,
        Filled = 39,
        HoverDotX = 40,
        HoverDotY = 41,
        DragWidth = 42,
        DragHeight = 43,
        UndoDepth = 44,
    };

    int number(Id id) { return get(id).toInt(); }
    bool flag(Id id) { return get(id).toBool(); }
    QVariant get(Id id);
    void put(Id id, const QVariant &value);
    QVariant call(Id id, const QVariantList &args = {});
    void check(Id id, automation::Status status);

    automation::Object &m_control;
    QString m_failure;
};
