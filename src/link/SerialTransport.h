#pragma once

#include "link/Transport.h"

#include <QSerialPort>
#include <QString>

// The serial line, 38400 baud 8N1. The port stays open between exchanges; an
// error closes it and the next exchange opens it again.
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
    QSerialPort m_port;
    QString m_device;
    int m_timeoutMs;
};
