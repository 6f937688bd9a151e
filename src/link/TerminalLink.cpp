#include "link/TerminalLink.h"

#include "link/SerialDevices.h"

TerminalLink::TerminalLink(const Settings &settings) : m_settings(settings)
{
    m_udp.setRemote(QHostAddress(defaultIp()), DefaultUdpPort);
}

void TerminalLink::setSerialPort(int portNumber)
{
    m_serialPort = portNumber;
}

QString TerminalLink::reopenSerial(int portNumber)
{
    m_serial.close();
    m_serialPort = portNumber;
    const QString device = serialdevices::device(m_settings, portNumber);
    m_serial.setDevice(device);
    const QString error = m_serial.open();
    if (error.isEmpty())
        return {};
    return QStringLiteral(" COM%1 (%2): %3").arg(portNumber).arg(device, error);
}

void TerminalLink::useUdp(const QString &host, quint16 port)
{
    m_kind = Kind::Udp;
    m_udp.setRemote(QHostAddress(host), port);
}

void TerminalLink::setTimeouts(int serialSilenceMs, int udpMs)
{
    m_serial.setSilenceTimeout(serialSilenceMs);
    m_udp.setTimeout(udpMs);
}

Transport::Reply TerminalLink::exchange(const QByteArray &request, bool expectReply)
{
    if (m_kind == Kind::Udp)
        return m_udp.exchange(request, expectReply);
    // The device a port number names may have been reconfigured since.
    m_serial.setDevice(serialdevices::device(m_settings, m_serialPort));
    return m_serial.exchange(request, expectReply);
}

void TerminalLink::setFrameLog(FrameLog *log)
{
    Transport::setFrameLog(log);
    m_serial.setFrameLog(log);
    m_udp.setFrameLog(log);
}
