#pragma once

#include "link/Transport.h"

#include <QHostAddress>
#include <QNetworkDatagram>
#include <QUdpSocket>

// One datagram out to the terminal, one datagram back. Datagrams from any
// other address or port are dropped; a socket error fails the exchange.
class UdpTransport final : public Transport
{
public:
    explicit UdpTransport(int timeoutMs = 2000);

    void setTimeout(int ms) { m_timeoutMs = ms; }
    void setRemote(const QHostAddress &host, quint16 port);
    QHostAddress remoteHost() const { return m_host; }
    quint16 remotePort() const { return m_port; }

    Reply exchange(const QByteArray &request, bool expectReply) override;

    // A datagram from the terminal as the reply check wants it.
    static Reply fromDatagram(const QByteArray &datagram);

private:
    void logIgnored(const QNetworkDatagram &datagram, const QString &why);
    void drainBetweenCommands();
    bool fromTerminal(const QHostAddress &sender, quint16 port) const;

    QUdpSocket m_socket;
    QHostAddress m_host;
    quint16 m_port = 0;
    int m_timeoutMs;
    bool m_waiting = false; // an exchange takes the datagrams
};
