#include "vog/core/UndoHistory.h"

#include <algorithm>

namespace vog {

void UndoHistory::setDepth(int depth)
{
    m_depth = std::clamp(depth, kMinDepth, kMaxDepth);
    // One slot beyond the depth may hold the state an undo left.
    m_count = std::min(m_count, m_depth);
    m_position = std::min(m_position, std::max(m_count - 1, 0));
    const std::size_t room = static_cast<std::size_t>(m_depth) + 1;
    if (m_slots.size() > room)
        m_slots.resize(room);
}

void UndoHistory::reset()
{
    m_position = 0;
    m_count = 0;
}

void UndoHistory::pushFront(int limit)
{
    const int n = std::min(m_count + 1, limit);
    while (m_slots.size() < static_cast<std::size_t>(n))
        m_slots.push_back(std::make_unique<DotState>());
    // The first free slot, or the oldest snapshot when none is free, becomes slot 0.
    std::rotate(m_slots.begin(), m_slots.begin() + (n - 1), m_slots.begin() + n);
    m_count = n;
}

void UndoHistory::save(const DotState &state)
{
    if (m_position == 0) {
        pushFront(m_depth);
    } else if (m_position >= 2) {
        // Drop the redo snapshots 0..position-1: position..count-1 move to 1..,
        // the freed slots go behind them.
        std::rotate(m_slots.begin() + 1, m_slots.begin() + m_position, m_slots.begin() + m_count);
        m_count = m_count - m_position + 1;
    }
    // At position 1 the redo snapshot in slot 0 is simply overwritten.
    m_position = 0;
    *m_slots[0] = state;
}

void UndoHistory::keep(const DotState &state)
{
    pushFront(m_depth + 1);
    m_position = 0;
    *m_slots[0] = state;
}

const DotState &UndoHistory::stepBack()
{
    ++m_position;
    return at(m_position);
}

const DotState &UndoHistory::stepForward()
{
    --m_position;
    return at(m_position);
}

} // namespace vog
