#include "link/FrameLog.h"

#include "link/FrameText.h"

#include <QDateTime>

FrameLog::FrameLog() : m_clock([] { return QDateTime::currentMSecsSinceEpoch(); }) {}

qsizetype FrameLog::slot(qsizetype row) const
{
    return (m_oldest + row) % static_cast<qsizetype>(m_ring.size());
}

const FrameLog::Entry &FrameLog::at(qsizetype row) const
{
    Q_ASSERT(row >= 0 && row < size());
    return m_ring[static_cast<std::size_t>(slot(row))];
}

quint64 FrameLog::add(Direction direction, const QByteArray &bytes, const QString &outcome,
                      std::optional<qint64> msecs)
{
    Entry entry{msecs ? *msecs : m_clock(), direction, bytes, outcome};
    if (m_count == Capacity) {
        if (m_observer)
            m_observer->aboutToDropOldest();
        m_oldest = (m_oldest + 1) % Capacity;
        --m_count;
        if (m_observer)
            m_observer->droppedOldest();
    }
    if (m_observer)
        m_observer->aboutToAppend(m_count);
    if (static_cast<qsizetype>(m_ring.size()) < Capacity)
        m_ring.push_back(std::move(entry)); // not yet wrapped: row m_count is slot m_count
    else
        m_ring[static_cast<std::size_t>(slot(m_count))] = std::move(entry);
    ++m_count;
    if (m_observer)
        m_observer->appended();
    return m_added++;
}

FrameLog::Entry *FrameLog::find(quint64 frame, qsizetype *row)
{
    const quint64 first = m_added - static_cast<quint64>(m_count);
    if (frame < first || frame >= m_added)
        return nullptr; // already gone from the ring, or cleared
    *row = static_cast<qsizetype>(frame - first);
    return &m_ring[static_cast<std::size_t>(slot(*row))];
}

void FrameLog::setOutcome(quint64 frame, const QString &outcome)
{
    qsizetype row = 0;
    if (Entry *entry = find(frame, &row)) {
        entry->outcome = outcome;
        if (m_observer)
            m_observer->changed(row);
    }
}

void FrameLog::setNotSent(quint64 frame)
{
    qsizetype row = 0;
    if (Entry *entry = find(frame, &row)) {
        entry->direction = Direction::NotSent;
        if (m_observer)
            m_observer->changed(row);
    }
}

void FrameLog::clear()
{
    if (m_observer)
        m_observer->aboutToClear();
    m_ring = {};
    m_oldest = 0;
    m_count = 0;
    if (m_observer)
        m_observer->cleared();
}

QString FrameLog::directionName(Direction direction)
{
    switch (direction) {
    case Direction::Sent:
        return QStringLiteral("sent");
    case Direction::Received:
        return QStringLiteral("received");
    case Direction::NotSent:
        break;
    }
    return QStringLiteral("not sent");
}

QString FrameLog::line(const Entry &entry)
{
    QString text = frametext::line(entry.msecs, directionName(entry.direction), entry.bytes);
    if (!entry.outcome.isEmpty())
        text += QStringLiteral(" | ") + entry.outcome;
    return text;
}

QString FrameLog::text() const
{
    QString all;
    for (qsizetype row = 0; row < size(); ++row)
        all += line(at(row)) + QLatin1Char('\n');
    return all;
}
