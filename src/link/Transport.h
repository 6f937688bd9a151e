#pragma once

#include "link/Frame.h"

#include <QByteArray>
#include <QString>

#include <optional>

class FrameLog;

// Outcome of one exchange as the transport and the frame check report it.
enum class ExchangeStatus {
    Ok = 0,         // a valid reply arrived, or none was expected
    TimedOut = 1,   // no reply in time
    Overflow = 2,   // more than 255 characters without a complete reply
    PortFailed = 3, // the port or socket failed
    Malformed = 4,  // the reply frame did not pass the check
};

// One request out and, when asked for, one reply back.
class Transport
{
public:
    struct Reply
    {
        ExchangeStatus status = ExchangeStatus::Ok;
        frame::Received received; // valid when status is Ok and a reply was expected
        QByteArray wire;          // what came back for this request, as it came
        QString notSent;          // why the request never left; empty when it went out
        std::optional<qint64> at; // when the wire came, by the frame log's clock
    };

    virtual ~Transport() = default;
    virtual Reply exchange(const QByteArray &request, bool expectReply) = 0;

    // Where the frames go while someone watches them; null costs nothing. The
    // command layer logs each request and its reply; a transport adds only
    // what it drops on its own (late replies, strangers' datagrams).
    virtual void setFrameLog(FrameLog *log) { m_log = log; }
    FrameLog *frameLog() const { return m_log; }

protected:
    // Now by the log's clock, for Reply::at; nothing while no log is attached.
    std::optional<qint64> stamp() const;
    // Logs bytes that came while no exchange waited for them, when they came.
    void logBetweenCommands(const QByteArray &bytes, const QString &from = {});

private:
    FrameLog *m_log = nullptr;
};
