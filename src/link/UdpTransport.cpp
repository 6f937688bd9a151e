#include "link/UdpTransport.h"

#include "link/FrameLog.h"
#include "link/Waiting.h"

#include <QNetworkDatagram>

UdpTransport::UdpTransport(int timeoutMs) : m_timeoutMs(timeoutMs)
{
    // A reply that comes after its exchange gave up is logged when it comes,
    // not when the next command finds it.
    QObject::connect(&m_socket, &QUdpSocket::readyRead, &m_socket, [this] {
        if (!m_waiting)
            drainBetweenCommands();
    });
}

void UdpTransport::drainBetweenCommands()
{
    while (m_socket.hasPendingDatagrams()) {
        const QNetworkDatagram late = m_socket.receiveDatagram();
        if (late.isValid())
            logIgnored(late, QStringLiteral("arrived between commands"));
    }
}

void UdpTransport::setRemote(const QHostAddress &host, quint16 port)
{
    m_host = host;
    m_port = port;
}

bool UdpTransport::fromTerminal(const QHostAddress &sender, quint16 port) const
{
    return port == m_port && sender.isEqual(m_host, QHostAddress::ConvertV4MappedToIPv4);
}

Transport::Reply UdpTransport::fromDatagram(const QByteArray &datagram)
{
    const frame::DatagramReply read = frame::readDatagram(datagram);
    switch (read.kind) {
    case frame::DatagramReply::Kind::Reply:
        return {ExchangeStatus::Ok, read.received, datagram, {}, {}};
    case frame::DatagramReply::Kind::TooLong:
        return {ExchangeStatus::Overflow, {}, datagram, {}, {}};
    case frame::DatagramReply::Kind::NotAFrame:
        break;
    }
    return {ExchangeStatus::Malformed, {}, datagram, {}, {}};
}

void UdpTransport::logIgnored(const QNetworkDatagram &datagram, const QString &why)
{
    if (frameLog())
        frameLog()->add(FrameLog::Direction::Received, datagram.data(),
                        QStringLiteral("ignored: %1 (from %2 port %3)")
                            .arg(why, datagram.senderAddress().toString())
                            .arg(datagram.senderPort()));
}

Transport::Reply UdpTransport::exchange(const QByteArray &request, bool expectReply)
{
    if (m_socket.state() != QAbstractSocket::BoundState && !m_socket.bind(QHostAddress::AnyIPv4, 0))
        return {ExchangeStatus::PortFailed,
                {},
                {},
                QStringLiteral("no UDP socket: ") + m_socket.errorString(),
                {}};
    // A late reply to an earlier attempt must not pass for this one's.
    drainBetweenCommands();

    if (m_socket.writeDatagram(request, m_host, m_port) != request.size())
        return {ExchangeStatus::PortFailed, {}, {}, m_socket.errorString(), {}};
    if (!expectReply)
        return {};

    ReplyWait wait(m_timeoutMs);
    Reply reply{ExchangeStatus::TimedOut, {}, {}, {}, {}};
    QObject::connect(&m_socket, &QUdpSocket::readyRead, wait.context(), [&] {
        while (m_socket.hasPendingDatagrams()) {
            const QNetworkDatagram datagram = m_socket.receiveDatagram();
            if (!datagram.isValid())
                continue;
            if (!fromTerminal(datagram.senderAddress(),
                              static_cast<quint16>(datagram.senderPort()))) {
                logIgnored(datagram, QStringLiteral("not the terminal's address and port"));
                continue;
            }
            reply = fromDatagram(datagram.data());
            reply.at = stamp();
            wait.finish();
            return;
        }
    });
    QObject::connect(&m_socket, &QUdpSocket::errorOccurred, wait.context(), [&] {
        reply.status = ExchangeStatus::PortFailed;
        wait.finish();
    });
    m_waiting = true;
    wait.run();
    m_waiting = false;
    return reply;
}
