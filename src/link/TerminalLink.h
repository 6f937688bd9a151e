#pragma once

#include "link/SerialTransport.h"
#include "link/Transport.h"
#include "link/UdpTransport.h"

#include <QString>

class Settings;

// The link to the terminal for one program run: which transport, which serial
// port, which address and UDP port. A run always starts on serial port 1; the
// Options window changes it.
class TerminalLink final : public Transport
{
public:
    enum class Kind { Serial, Udp };

    static QString defaultIp() { return QStringLiteral("192.168.1.200"); }
    static constexpr quint16 DefaultUdpPort = 1001;

    // The settings name the device of each serial port (serialdevices).
    explicit TerminalLink(const Settings &settings);

    Kind kind() const { return m_kind; }
    int serialPort() const { return m_serialPort; }
    QString udpHost() const { return m_udp.remoteHost().toString(); }
    quint16 udpPort() const { return m_udp.remotePort(); }

    // Closes the serial port and opens port number portNumber (1..4). Empty on
    // success, otherwise a description that names the device.
    QString reopenSerial(int portNumber);
    // Chooses a port number without opening it (the Options window's recovery).
    void setSerialPort(int portNumber);
    void useSerial() { m_kind = Kind::Serial; }
    void useUdp(const QString &host, quint16 port);

    void setTimeouts(int serialSilenceMs, int udpMs);

    Reply exchange(const QByteArray &request, bool expectReply) override;
    void setFrameLog(FrameLog *log) override;

private:
    const Settings &m_settings;
    Kind m_kind = Kind::Serial;
    int m_serialPort = 1;
    SerialTransport m_serial;
    UdpTransport m_udp;
};
