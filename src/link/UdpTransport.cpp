#include "link/UdpTransport.h"

#include "link/Waiting.h"

#include <QNetworkDatagram>

UdpTransport::UdpTransport(int timeoutMs) : m_timeoutMs(timeoutMs) {}

void UdpTransport::setRemote(const QHostAddress &host, quint16 port)
{
    m_host = host;
    m_port = port;
}

bool UdpTransport::fromTerminal(const QHostAddress &sender, quint16 port) const
{
    return port == m_port && sender.isEqual(m_host, QHostAddress::ConvertV4MappedToIPv4);
}

Transport::Reply UdpTransport::exchange(const QByteArray &request, bool expectReply)
{
    if (m_socket.state() != QAbstractSocket::BoundState && !m_socket.bind(QHostAddress::AnyIPv4, 0))
        return {ExchangeStatus::PortFailed, {}};
    // A late reply to an earlier attempt must not pass for this one's.
    while (m_socket.hasPendingDatagrams())
        m_socket.receiveDatagram();

    if (m_socket.writeDatagram(request, m_host, m_port) != request.size())
        return {ExchangeStatus::PortFailed, {}};
    if (!expectReply)
        return {};

    ReplyWait wait(m_timeoutMs);
    Reply reply{ExchangeStatus::TimedOut, {}};
    QObject::connect(&m_socket, &QUdpSocket::readyRead, wait.context(), [&] {
        while (m_socket.hasPendingDatagrams()) {
            const QNetworkDatagram datagram = m_socket.receiveDatagram();
            if (!datagram.isValid() || !fromTerminal(datagram.senderAddress(),
                                                     static_cast<quint16>(datagram.senderPort())))
                continue;
            frame::ReplyScanner scanner;
            switch (scanner.feedAll(datagram.data())) {
            case frame::ReplyScanner::State::Complete:
                reply = {ExchangeStatus::Ok, scanner.received()};
                break;
            case frame::ReplyScanner::State::Overflow:
                reply.status = ExchangeStatus::Overflow;
                break;
            case frame::ReplyScanner::State::Collecting:
                // A datagram is the whole reply: one without its terminator is cut short.
                reply.status = ExchangeStatus::Malformed;
                break;
            }
            wait.finish();
            return;
        }
    });
    QObject::connect(&m_socket, &QUdpSocket::errorOccurred, wait.context(), [&] {
        reply.status = ExchangeStatus::PortFailed;
        wait.finish();
    });
    wait.run();
    return reply;
}
