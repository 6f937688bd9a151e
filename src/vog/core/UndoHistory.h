#pragma once

#include "vog/core/DotState.h"

#include <memory>
#include <vector>

// The snapshots of the undo history, slot 0 the newest. Eight unless the host
// asks for more; slots are allocated once, as the history first fills them,
// and reordered by pointer, so shifting the history never copies a plane:
// only writing a snapshot and restoring one do.

namespace vog {

class UndoHistory
{
public:
    static constexpr int kMinDepth = 8;
    static constexpr int kMaxDepth = 256;

    int position() const { return m_position; }
    int count() const { return m_count; }
    int depth() const { return m_depth; }
    // Limited to 8..256. A shallower history forgets its oldest snapshots.
    void setDepth(int depth);

    void reset();
    // Records state as snapshot 0, dropping or overwriting redo snapshots by
    // the current position; the oldest is lost beyond the depth.
    void save(const DotState &state);
    // At the newest state: records the state an undo leaves, for redo,
    // without losing the oldest snapshot. The depth counts the states before
    // changes; the one left is no step of its own.
    void keep(const DotState &state);

    // Snapshot i, 0 the newest, i below count().
    const DotState &at(int i) const { return *m_slots[static_cast<std::size_t>(i)]; }

    bool canStepBack() const { return m_position < m_count - 1; }
    bool canStepForward() const { return m_position > 0; }
    // Moves the position and returns the snapshot now current.
    const DotState &stepBack();
    const DotState &stepForward();

private:
    // Makes snapshot 0 a free slot, the others one older; at most `limit` kept.
    void pushFront(int limit);

    std::vector<std::unique_ptr<DotState>> m_slots; // newest first; beyond count: free
    int m_depth = kMinDepth;
    int m_position = 0;
    int m_count = 0;
};

} // namespace vog
