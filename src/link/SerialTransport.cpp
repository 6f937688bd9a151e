#include "link/SerialTransport.h"

#include "link/Waiting.h"

SerialTransport::SerialTransport(int silenceTimeoutMs) : m_timeoutMs(silenceTimeoutMs)
{
    QObject::connect(&m_port, &QSerialPort::errorOccurred, &m_port,
                     [this](QSerialPort::SerialPortError error) { closeAfterError(error); });
    // What comes while no exchange waits is logged when it comes, not when the
    // next command finds it.
    QObject::connect(&m_port, &QSerialPort::readyRead, &m_port, [this] {
        if (!m_waiting)
            logBetweenCommands(m_port.readAll());
    });
}

void SerialTransport::closeAfterError(QSerialPort::SerialPortError error)
{
    if (error == QSerialPort::NoError || error == QSerialPort::TimeoutError || !m_port.isOpen())
        return;
    // The port reports from inside its own notifier, which closing would
    // delete under it; the next turn of the event loop is soon enough.
    const int opened = m_opened;
    QMetaObject::invokeMethod(
        &m_port,
        [this, opened] {
            if (opened == m_opened)
                close();
        },
        Qt::QueuedConnection);
}

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
    ++m_opened;
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
    if (const QString error = open(); !error.isEmpty())
        return {ExchangeStatus::PortFailed,
                {},
                {},
                QStringLiteral("cannot open %1: %2").arg(m_device, error),
                {}};

    logBetweenCommands(m_port.readAll());
    m_port.clear(QSerialPort::Input);
    if (m_port.write(request) != request.size()) {
        const QString error = m_port.errorString();
        close();
        return {ExchangeStatus::PortFailed, {}, {}, error, {}};
    }
    if (!expectReply) {
        m_port.waitForBytesWritten(m_timeoutMs);
        return {};
    }

    ReplyWait wait(m_timeoutMs);
    frame::ReplyScanner scanner;
    QByteArray wire;
    bool failed = false;
    qint64 written = 0;
    std::optional<qint64> at;
    QObject::connect(&m_port, &QSerialPort::bytesWritten, wait.context(),
                     [&](qint64 bytes) { written += bytes; });
    QObject::connect(&m_port, &QSerialPort::readyRead, wait.context(), [&] {
        const QByteArray bytes = m_port.readAll();
        wire += bytes;
        if (scanner.feedAll(bytes) != frame::ReplyScanner::State::Collecting) {
            at = stamp();
            wait.finish();
        } else {
            wait.restartTimeout();
        }
    });
    QObject::connect(&m_port, &QSerialPort::errorOccurred, wait.context(),
                     [&](QSerialPort::SerialPortError error) {
                         if (error == QSerialPort::NoError || error == QSerialPort::TimeoutError)
                             return;
                         failed = true;
                         wait.finish();
                     });
    m_waiting = true;
    wait.run();
    m_waiting = false;

    if (failed) {
        // The line failed before the frame was out: it never reached the terminal.
        const QString notSent = written < request.size() ? m_port.errorString() : QString();
        close();
        return {ExchangeStatus::PortFailed, {}, wire, notSent, at};
    }
    switch (scanner.state()) {
    case frame::ReplyScanner::State::Complete:
        return {ExchangeStatus::Ok, scanner.received(), wire, {}, at};
    case frame::ReplyScanner::State::Overflow:
        return {ExchangeStatus::Overflow, {}, wire, {}, at};
    case frame::ReplyScanner::State::Collecting:
        break;
    }
    return {ExchangeStatus::TimedOut, {}, wire, {}, at};
}
