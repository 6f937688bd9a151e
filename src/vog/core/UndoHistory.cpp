#include "vog/core/UndoHistory.h"

#include <algorithm>

namespace vog {

UndoHistory::UndoHistory() : slots_(std::make_unique<std::array<DotState, kDepth>>()) {}

void UndoHistory::reset()
{
    position_ = 0;
    count_ = 0;
}

void UndoHistory::save(const DotState &state)
{
    if (position_ == 0) {
        // Shift every snapshot one older; the oldest slot is reused as slot 0.
        std::rotate(order_.begin(), order_.end() - 1, order_.end());
        count_ = std::min(count_ + 1, kDepth);
    } else if (position_ >= 2) {
        // Drop the redo snapshots 0..position-1: position..count-1 move to 1..,
        // the freed slots go behind them.
        std::array<std::uint8_t, kDepth> next;
        int n = 0;
        next[n++] = order_[0];
        for (int i = position_; i < count_; ++i)
            next[n++] = order_[i];
        for (int i = 1; i < position_; ++i)
            next[n++] = order_[i];
        for (int i = count_; i < kDepth; ++i)
            next[n++] = order_[i];
        order_ = next;
        count_ = count_ - position_ + 1;
    }
    // At position 1 the redo snapshot in slot 0 is simply overwritten.
    position_ = 0;
    slot(0) = state;
}

const DotState &UndoHistory::stepBack()
{
    ++position_;
    return slot(position_);
}

const DotState &UndoHistory::stepForward()
{
    --position_;
    return slot(position_);
}

} // namespace vog
