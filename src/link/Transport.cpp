#include "link/Transport.h"

#include "link/FrameLog.h"

std::optional<qint64> Transport::stamp() const
{
    if (!m_log)
        return std::nullopt;
    return m_log->now();
}

void Transport::logBetweenCommands(const QByteArray &bytes, const QString &from)
{
    if (m_log && !bytes.isEmpty())
        m_log->add(FrameLog::Direction::Received, bytes,
                   QStringLiteral("ignored: arrived between commands") + from);
}
