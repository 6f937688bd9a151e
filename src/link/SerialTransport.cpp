#include "link/SerialTransport.h"

#include "link/Waiting.h"

SerialTransport::SerialTransport(int silenceTimeoutMs) : m_timeoutMs(silenceTimeoutMs) {}

void SerialTransport::setDevice(const QString &device)
{
    if (device == m_device)
        return;
    close();
    m_device = device;
}

QString SerialTransport::open()
{
    if (m_port.isOpen())
        return {};
    m_port.setPortName(m_device);
    m_port.clearError();
    if (!m_port.open(QIODevice::ReadWrite))
        return m_port.errorString();
    const bool configured =
        m_port.setBaudRate(QSerialPort::Baud38400) && m_port.setDataBits(QSerialPort::Data8) &&
        m_port.setParity(QSerialPort::NoParity) && m_port.setStopBits(QSerialPort::OneStop) &&
        m_port.setFlowControl(QSerialPort::NoFlowControl);
    if (!configured) {
        const QString error = m_port.errorString();
        m_port.close();
        return error;
    }
    return {};
}

void SerialTransport::close()
{
    if (m_port.isOpen())
        m_port.close();
    m_port.clearError();
}

Transport::Reply SerialTransport::exchange(const QByteArray &request, bool expectReply)
{
    // An error left over from an earlier exchange (a vanished peer) means the
    // port must be opened afresh.
    if (m_port.isOpen() && m_port.error() != QSerialPort::NoError)
        close();
    if (!open().isEmpty())
        return {ExchangeStatus::PortFailed, {}};

    m_port.clear(QSerialPort::Input);
    m_port.readAll();
    if (m_port.write(request) != request.size()) {
        close();
        return {ExchangeStatus::PortFailed, {}};
    }
    if (!expectReply) {
        m_port.waitForBytesWritten(m_timeoutMs);
        return {};
    }

    ReplyWait wait(m_timeoutMs);
    frame::ReplyScanner scanner;
    bool failed = false;
    QObject::connect(&m_port, &QSerialPort::readyRead, wait.context(), [&] {
        if (scanner.feedAll(m_port.readAll()) != frame::ReplyScanner::State::Collecting)
            wait.finish();
        else
            wait.restartTimeout();
    });
    QObject::connect(&m_port, &QSerialPort::errorOccurred, wait.context(),
                     [&](QSerialPort::SerialPortError error) {
                         if (error == QSerialPort::NoError || error == QSerialPort::TimeoutError)
                             return;
                         failed = true;
                         wait.finish();
                     });
    wait.run();

    if (failed) {
        close();
        return {ExchangeStatus::PortFailed, {}};
    }
    switch (scanner.state()) {
    case frame::ReplyScanner::State::Complete:
        return {ExchangeStatus::Ok, scanner.received()};
    case frame::ReplyScanner::State::Overflow:
        return {ExchangeStatus::Overflow, {}};
    case frame::ReplyScanner::State::Collecting:
        break;
    }
    return {ExchangeStatus::TimedOut, {}};
}
