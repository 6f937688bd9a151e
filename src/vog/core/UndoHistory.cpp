#include "vog/core/UndoHistory.h"

#include <algorithm>

namespace vog {

UndoHistory::UndoHistory() : m_slots(std::make_unique<std::array<DotState, kDepth>>()) {}

void UndoHistory::reset()
{
    m_position = 0;
    m_count = 0;
}

void UndoHistory::save(const DotState &state)
{
    if (m_position == 0) {
        // Shift every snapshot one older; the oldest slot is reused as slot 0.
        std::rotate(m_order.begin(), m_order.end() - 1, m_order.end());
        m_count = std::min(m_count + 1, kDepth);
    } else if (m_position >= 2) {
        // Drop the redo snapshots 0..position-1: position..count-1 move to 1..,
        // the freed slots go behind them.
        std::array<std::uint8_t, kDepth> next;
        int n = 0;
        next[n++] = m_order[0];
        for (int i = m_position; i < m_count; ++i)
            next[n++] = m_order[i];
        for (int i = 1; i < m_position; ++i)
            next[n++] = m_order[i];
        for (int i = m_count; i < kDepth; ++i)
            next[n++] = m_order[i];
        m_order = next;
        m_count = m_count - m_position + 1;
    }
    // At position 1 the redo snapshot in slot 0 is simply overwritten.
    m_position = 0;
    slot(0) = state;
}

const DotState &UndoHistory::stepBack()
{
    ++m_position;
    return slot(m_position);
}

const DotState &UndoHistory::stepForward()
{
    --m_position;
    return slot(m_position);
}

} // namespace vog
