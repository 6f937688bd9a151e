#include "editors/UndoTrack.h"

#include <algorithm>

void UndoTrack::start()
{
    m_position = 0;
    m_count = 0;
    m_shown = ++m_lastState;
    saved();
}

void UndoTrack::saved()
{
    if (m_position == 0) {
        std::copy_backward(m_slots.begin(), m_slots.end() - 1, m_slots.end());
        m_count = std::min(m_count + 1, Depth);
    } else if (m_position >= 2) {
        std::copy(m_slots.begin() + m_position, m_slots.begin() + m_count, m_slots.begin() + 1);
        m_count = m_count - m_position + 1;
    }
    m_position = 0;
    m_slots[0] = m_shown;
}

void UndoTrack::changed()
{
    m_shown = ++m_lastState;
}

void UndoTrack::undone()
{
    if (m_position >= m_count - 1)
        return;
    if (m_position == 0)
        saved();
    m_shown = m_slots[++m_position];
}

void UndoTrack::redone()
{
    if (m_position > 0)
        m_shown = m_slots[--m_position];
}

int UndoTrack::undoSteps() const
{
    UndoTrack ahead = *this;
    for (int steps = 1; ahead.m_position < ahead.m_count - 1; ++steps) {
        ahead.undone();
        if (ahead.m_shown != m_shown)
            return steps;
    }
    return 0;
}

int UndoTrack::redoSteps() const
{
    UndoTrack ahead = *this;
    for (int steps = 1; ahead.m_position > 0; ++steps) {
        ahead.redone();
        if (ahead.m_shown != m_shown)
            return steps;
    }
    return 0;
}
