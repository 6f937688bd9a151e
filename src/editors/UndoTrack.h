#pragma once

#include <array>

// The hosted control's undo history as far as the window can follow it,
// moved by the control's own rules: eight snapshots, snapshot 0 the newest;
// SaveUndo drops the snapshots ahead of the position; Undo from the newest
// first saves the state it leaves. Each state the user saw gets a number, so
// the window knows which snapshots only repeat the state before them (the
// rules leave such twins, for instance after a change made where an undo led)
// and steps over them: every Undo and Redo the user asks for changes what
// the graphic shows.
class UndoTrack
{
public:
    static constexpr int Depth = 8;

    // ResetUndo and one SaveUndo: the history of a freshly loaded graphic.
    void start();
    // SaveUndo, and every call that takes a snapshot itself.
    void saved();
    // What the control shows is new (a change after a snapshot).
    void changed();
    // One Undo or Redo of the control.
    void undone();
    void redone();

    // How many of the control's Undo (Redo) calls lead to the nearest state
    // that differs from the one shown; 0 when there is none.
    int undoSteps() const;
    int redoSteps() const;
    bool canUndo() const { return undoSteps() > 0; }
    bool canRedo() const { return redoSteps() > 0; }

private:
    std::array<int, Depth> m_slots{}; // the state each snapshot holds
    int m_position = 0;
    int m_count = 0;
    int m_shown = 0; // the state shown
    int m_lastState = 0;
};
