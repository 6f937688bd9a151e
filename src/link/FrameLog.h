#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

// The frames that went out to the terminal and came back, newest last, with
// what became of each: the last Capacity frames in a ring, so a long session
// costs no more than a short one. Transports write to it only while one is
// attached (see Transport::setFrameLog).
class FrameLog
{
public:
    enum class Direction { Sent, Received, NotSent };

    struct Entry
    {
        qint64 msecs = 0; // since the epoch
        Direction direction = Direction::Sent;
        QByteArray bytes;
        QString outcome; // "success", "retry: time-out", ...; empty while open
    };

    // Told before and after each change, in the order an item model needs.
    class Observer
    {
    public:
        virtual ~Observer() = default;
        virtual void aboutToDropOldest() = 0;
        virtual void droppedOldest() = 0;
        virtual void aboutToAppend(qsizetype row) = 0;
        virtual void appended() = 0;
        virtual void changed(qsizetype row) = 0;
        virtual void aboutToClear() = 0;
        virtual void cleared() = 0;
    };

    static constexpr qsizetype Capacity = 10000;

    FrameLog();

    void setObserver(Observer *observer) { m_observer = observer; }
    // The clock that stamps new frames; the system clock unless replaced.
    void setClock(std::function<qint64()> clock) { m_clock = std::move(clock); }
    qint64 now() const { return m_clock(); }

    qsizetype size() const { return m_count; }
    // row 0 is the oldest frame kept.
    const Entry &at(qsizetype row) const;

    // Adds a frame and returns its number, which stays valid for setOutcome
    // until the frame has left the ring. The time is when the frame was sent
    // or received, now unless given.
    quint64 add(Direction direction, const QByteArray &bytes, const QString &outcome = {},
                std::optional<qint64> msecs = {});
    void setOutcome(quint64 frame, const QString &outcome);
    // A request that was logged on its way out but never left.
    void setNotSent(quint64 frame);
    void clear();

    // "sent", "received", "not sent".
    static QString directionName(Direction direction);
    // One line a frame: "time direction hex | decoded | outcome".
    static QString line(const Entry &entry);
    QString text() const;

private:
    qsizetype slot(qsizetype row) const;
    // The entry of a frame still in the ring, with its row.
    Entry *find(quint64 frame, qsizetype *row);

    std::vector<Entry> m_ring; // grows to Capacity, then each new frame takes the oldest's slot
    qsizetype m_oldest = 0;    // slot of row 0
    qsizetype m_count = 0;
    quint64 m_added = 0; // frames ever added; the newest is number m_added - 1
    Observer *m_observer = nullptr;
    std::function<qint64()> m_clock;
};
