#pragma once

#include "link/Transport.h"

#include <QSerialPort>
#include <QString>

// The serial line, 38400 baud 8N1. The port stays open between exchanges. Any
// error closes it, at whatever time it comes (a peer that hangs up while the
// program is idle would otherwise keep the port reporting errors in a tight
// loop); the next exchange opens it again.
class SerialTransport final : public Transport
{
public:
    explicit SerialTransport(int silenceTimeoutMs = 1000);

    void setSilenceTimeout(int ms) { m_timeoutMs = ms; }
    void setDevice(const QString &device);
    QString device() const { return m_port.portName(); }
    bool isOpen() const { return m_port.isOpen(); }
    // Empty on success, otherwise the system's description of the failure.
    QString open();
    void close();

    Reply exchange(const QByteArray &request, bool expectReply) override;

private:
    void closeAfterError(QSerialPort::SerialPortError error);

    QSerialPort m_port;
    QString m_device;
    int m_timeoutMs;
    int m_opened = 0;       // counts opens, so a close meant for an earlier one is not applied
    bool m_waiting = false; // an exchange takes what comes in
};
