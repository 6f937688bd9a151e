#pragma once

#include "vog/core/DotState.h"
#include "vog/core/EditModes.h"
#include "vog/core/UndoHistory.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The dot graphic the Vog control edits, with its undo history and the
// selection operations, free of any window.
//
// How a host (the control) uses it:
//  - Paint from mainCell()/overlayCell(), SizeX()/SizeY(), SelSet(), selection()
//    and selState(); every call here that may change dots or the selection is
//    followed by a full repaint on the host's side (the model has no window).
//  - Property puts go through the put*() setters, which limit the value.
//  - The mouse state machine uses setMainCell(), setCorners(), setSelState(),
//    putSelSet(), LiftSelection(), DropSelection() and ClearOverlay().
//  - Copy/Paste: CopyBytes() gives the "VogData" bytes to offer, PasteBytes()
//    takes what the clipboard held. SetText/ImportPicture: rasterise, then hand
//    the pixels to PlaceText()/PlacePicture().
//  - After every property exchange: LoadFields() (on load) then Reset().
//
// Invariants kept by every call: sizes 1..128, corners 0..127, main cells 0/1,
// overlay cells 0/1/2. Nothing allocates per dot.
namespace vog {

namespace shapes {
class FillStack;
}

inline constexpr char kClipboardFormat[] = "VogData";

class DotModel
{
public:
    DotModel() = default;

    // --- the whole state, as an undo snapshot holds it
    const DotState &state() const { return m_state; }

    // --- per-dot access
    std::uint8_t mainCell(int x, int y) const { return m_state.main[cellIndex(x, y)]; }
    void setMainCell(int x, int y, std::uint8_t v) { m_state.main[cellIndex(x, y)] = v; }
    std::uint8_t overlayCell(int x, int y) const { return m_state.overlay[cellIndex(x, y)]; }
    const Plane &mainPlane() const { return m_state.main; }
    const Plane &overlayPlane() const { return m_state.overlay; }

    // --- properties; puts limit, never refuse
    int SizeX() const { return m_state.sizeX; }
    int SizeY() const { return m_state.sizeY; }
    bool SelSet() const { return m_state.selSet; }
    int SelPosX1() const { return m_state.selPosX1; }
    int SelPosY1() const { return m_state.selPosY1; }
    int SelPosX2() const { return m_state.selPosX2; }
    int SelPosY2() const { return m_state.selPosY2; }
    void putSizeX(int v);    // 1..128; hidden dots are kept
    void putSizeY(int v);    // 1..128
    void putSelSet(bool v);  // also sets the state to SelNone
    void putSelPosX1(int v); // 0..SizeX-1
    void putSelPosY1(int v); // 0..SizeY-1
    void putSelPosX2(int v); // 0..SizeX-1
    void putSelPosY2(int v); // 0..SizeY-1

    SelState selState() const { return m_state.selState; }
    void setSelState(SelState st) { m_state.selState = st; }
    // Corners as the mouse sets them (already within the graphic); limited to
    // the planes.
    void setCorners(int x1, int y1, int x2, int y2);
    // The normalised selection rectangle.
    Rect selection() const;
    // Main plane while a selection is marked or resized, overlay otherwise.
    bool mainIsActive() const
    {
        return m_state.selState == SelMarked || m_state.selState == SelResizing;
    }

    // Stored property values as loaded, without the puts' limits; kept within
    // the planes (sizes 1..128, corners 0..127).
    void LoadFields(int sizeX, int sizeY, bool selSet, int x1, int y1, int x2, int y2);
    // After a property exchange: main all white, overlay all empty, SelNone,
    // empty undo history. Size, SelSet and corners stay.
    void Reset();
    // Every overlay cell empty (a freshly marked selection).
    void ClearOverlay() { m_state.overlay.fill(Empty); }

    // The 4-connected region of main cell (x, y)'s value, within the
    // graphic, takes `value`; the number of cells changed.
    int FloodFill(int x, int y, std::uint8_t value, shapes::FillStack &stack);

    // --- dot data strings
    std::string GetData() const;
    // Takes an undo snapshot of the state it replaces; into an empty history
    // (a load) it takes one of the loaded graphic instead, so undo never goes
    // back past the load.
    bool SetData(std::string_view text);
    std::string GetOvl(); // floats a marked selection first
    bool SetOvl(std::string_view text);

    // --- floating content
    void LiftSelection(bool cut, bool transparent);
    void DropSelection();

    // --- undo
    void SaveUndo();
    void Undo();
    void Redo();
    void ResetUndo() { m_history.reset(); }
    int undoPosition() const { return m_history.position(); }
    int undoCount() const { return m_history.count(); }
    // Snapshots kept, 8..256 (8 unless a host asks for more); a put limits.
    int undoDepth() const { return m_history.depth(); }
    void putUndoDepth(int depth) { m_history.setDepth(depth); }
    // Whether undoChange() (redoChange()) would change the picture: the
    // history may repeat the state shown (an Undo from the newest first saves
    // the state it leaves), and such steps alone are nothing to offer.
    bool canUndo() const;
    bool canRedo() const;
    // Steps back (forward) as often as it takes to change the picture: a
    // host's buttons, which must never do nothing. A selection lifted without
    // a change of its own (a click into it, select all) and the operation that
    // followed are one step. Leaving the newest state keeps it without losing
    // the oldest snapshot, so the host has as many steps as the depth.
    // False when nothing differs.
    bool undoChange();
    bool redoChange();

    // --- selection operations on the active plane
    void PaintSelection(PaintMode mode);
    void MirrorSelection(bool hor);
    // False, nothing changed, when a quarter-turned selection would not fit.
    bool RotateSelection(Turn turn);
    void TightBound();
    // The model's part of Escape: drop a floating selection, end the
    // selection. The host also sets Mode FALSE and resets the cursor.
    void Escape();

    // --- clipboard bytes ("VogData": int16 LE width, int16 LE height, bands)
    // Floats a marked selection. Nothing when there is no selection or it
    // lies wholly outside the graphic.
    std::optional<std::vector<std::uint8_t>> CopyBytes();
    // False, nothing changed, for a short or out-of-range buffer.
    bool PasteBytes(std::span<const std::uint8_t> bytes);

    // --- text and pictures, rasterised by the host
    // isBlack(x, y) tells whether pixel (x, y) of the drawing surface is
    // exactly black; it must answer false for pixels beyond the surface.
    // Text: the block measured blockWidth x blockHeight pixels; its pixels
    // 0..blockWidth and 0..blockHeight are read (both edges, as the surface is
    // read), cropped to SizeX x SizeY, shrunk to their bounding box and placed
    // as the floating selection. Nothing black: SelSet FALSE.
    template <class IsBlack> void PlaceText(int blockWidth, int blockHeight, IsBlack isBlack);
    // Picture: width x height pixels, cropped to SizeX x SizeY, placed at
    // (0, 0) as the floating selection. Returns false and changes nothing for
    // a picture without pixels.
    template <class IsBlack> bool PlacePicture(int width, int height, IsBlack isBlack);

private:
    // One step back for undoChange(): leaving the newest state keeps it.
    void stepBack();
    // The rectangle on the active plane: main plane at its absolute place,
    // overlay at relative (0, 0).
    struct Region
    {
        std::uint8_t *base; // cell (0, 0) of the rectangle; rows 128 apart
        int w;
        int h;
        std::uint8_t &at(int x, int y) const { return base[cellIndex(x, y)]; }
    };
    Region activeRegion(const Rect &r);
    // Selection with its top-left clamped into the graphic, far corner kept.
    Rect liftRect() const;
    void finishPlacement(int left, int top, int right, int bottom);

    DotState m_state;
    UndoHistory m_history;
};

template <class IsBlack> void DotModel::PlaceText(int blockWidth, int blockHeight, IsBlack isBlack)
{
    const int w = blockWidth + 1 < m_state.sizeX ? blockWidth + 1 : m_state.sizeX;
    const int h = blockHeight + 1 < m_state.sizeY ? blockHeight + 1 : m_state.sizeY;
    int left = w, right = -1, top = -1, bottom = -1;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (isBlack(x, y)) {
                if (top < 0)
                    top = y;
                bottom = y;
                if (x < left)
                    left = x;
                if (x > right)
                    right = x;
            }
        }
    }
    for (int y = top; top >= 0 && y <= bottom; ++y)
        for (int x = left; x <= right; ++x)
            m_state.overlay[cellIndex(x - left, y - top)] = isBlack(x, y) ? Black : White;
    finishPlacement(left, top, right, bottom);
}

template <class IsBlack> bool DotModel::PlacePicture(int width, int height, IsBlack isBlack)
{
    if (width < 1 || height < 1)
        return false;
    const int w = width < m_state.sizeX ? width : m_state.sizeX;
    const int h = height < m_state.sizeY ? height : m_state.sizeY;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            m_state.overlay[cellIndex(x, y)] = isBlack(x, y) ? Black : White;
    finishPlacement(0, 0, w - 1, h - 1);
    return true;
}

} // namespace vog
