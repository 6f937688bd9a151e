#pragma once

#include "vog/core/DotState.h"

#include <array>
#include <memory>

namespace vog {

// Eight snapshots, slot 0 the newest. Slots are reordered through an index
// table, so shifting the history never copies a plane; only writing a
// snapshot and restoring one do.
class UndoHistory
{
public:
    static constexpr int kDepth = 8;

    UndoHistory();

    int position() const { return m_position; }
    int count() const { return m_count; }

    void reset();
    // Records state as snapshot 0, dropping or overwriting redo snapshots by
    // the current position.
    void save(const DotState &state);

    // Snapshot i, 0 the newest, i below count().
    const DotState &at(int i) const { return (*m_slots)[m_order[i]]; }

    bool canStepBack() const { return m_position < m_count - 1; }
    bool canStepForward() const { return m_position > 0; }
    // Moves the position and returns the snapshot now current.
    const DotState &stepBack();
    const DotState &stepForward();

private:
    DotState &slot(int i) { return (*m_slots)[m_order[i]]; }

    std::unique_ptr<std::array<DotState, kDepth>> m_slots;
    std::array<std::uint8_t, kDepth> m_order{0, 1, 2, 3, 4, 5, 6, 7};
    int m_position = 0;
    int m_count = 0;
};

} // namespace vog
