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

    int position() const { return position_; }
    int count() const { return count_; }

    void reset();
    // Records state as snapshot 0, dropping or overwriting redo snapshots by
    // the current position.
    void save(const DotState &state);

    bool canStepBack() const { return position_ < count_ - 1; }
    bool canStepForward() const { return position_ > 0; }
    // Moves the position and returns the snapshot now current.
    const DotState &stepBack();
    const DotState &stepForward();

private:
    DotState &slot(int i) { return (*slots_)[order_[i]]; }

    std::unique_ptr<std::array<DotState, kDepth>> slots_;
    std::array<std::uint8_t, kDepth> order_{0, 1, 2, 3, 4, 5, 6, 7};
    int position_ = 0;
    int count_ = 0;
};

} // namespace vog
