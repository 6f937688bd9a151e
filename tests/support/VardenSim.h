#pragma once

// Starts vardensim (and, for the serial line, a socat pseudo-terminal pair)
// and waits until it says it is ready.

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <QThread>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/prctl.h>
#endif

// Both processes end with the test program, even one that crashes, and are
// asked to end rather than killed, so the simulator closes its serial port and
// leaves no lock file behind.
class VardenSim
{
public:
    VardenSim()
    {
#ifdef Q_OS_LINUX
        for (QProcess *p : {&m_sim, &m_socat})
            p->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
#endif
    }
    ~VardenSim()
    {
        stop();
    }

    static QString program()
    {
        const QString bin = qEnvironmentVariable("FENDREL_BIN_DIR");
        return (bin.isEmpty() ? QCoreApplication::applicationDirPath() : bin) +
               QStringLiteral("/vardensim");
    }

    // UDP on a free loopback port. False when it did not come up.
    bool startUdp(const QStringList &args = {})
    {
        if (!start(QStringList{QStringLiteral("--udp"), QStringLiteral("0")} + args))
            return false;
        port = static_cast<quint16>(m_readyLine.section(QLatin1Char(' '), 4, 4).toUInt());
        return port != 0;
    }

    // A pseudo-terminal pair; the simulator takes one end, device() names the
    // other. Started again after stop(), device() names the same path.
    bool startSerial(const QStringList &args = {})
    {
        const QString a = m_dir.filePath(QStringLiteral("ttyA"));
        const QString b = m_dir.filePath(QStringLiteral("ttyB"));
        QFile::remove(a);
        QFile::remove(b);
        m_socat.start(QStringLiteral("socat"), {QStringLiteral("pty,raw,echo=0,link=") + a,
                                                QStringLiteral("pty,raw,echo=0,link=") + b});
        QElapsedTimer clock;
        clock.start();
        while (!(QFileInfo::exists(a) && QFileInfo::exists(b))) {
            if (clock.elapsed() > 5000 || m_socat.state() == QProcess::NotRunning)
                return false;
            QThread::msleep(10);
        }
        m_device = a;
        return start(QStringList{QStringLiteral("--serial"), b} + args);
    }

    QString device() const
    {
        return m_device;
    }

    // The simulator first: its end of the line closes before the pair goes.
    void stop()
    {
        for (QProcess *p : {&m_sim, &m_socat}) {
            if (p->state() == QProcess::NotRunning)
                continue;
            p->terminate();
            if (!p->waitForFinished(5000)) {
                p->kill();
                p->waitForFinished(2000);
            }
        }
    }

    // Everything the simulator printed so far.
    QString log()
    {
        m_output += QString::fromLocal8Bit(m_sim.readAllStandardOutput());
        return m_output;
    }

    quint16 port = 0;

private:
    bool start(const QStringList &args)
    {
        m_sim.setProcessChannelMode(QProcess::SeparateChannels);
        m_sim.start(program(), args);
        if (!m_sim.waitForStarted(5000))
            return false;
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 10000) {
            while (m_sim.canReadLine()) {
                const QString line = QString::fromLocal8Bit(m_sim.readLine()).trimmed();
                m_output += line + QLatin1Char('\n');
                if (line.startsWith(QStringLiteral("vardensim ready"))) {
                    m_readyLine = line;
                    return true;
                }
            }
            if (!m_sim.waitForReadyRead(200) && m_sim.state() == QProcess::NotRunning)
                return false;
        }
        return false;
    }

    QTemporaryDir m_dir;
    QProcess m_sim;
    QProcess m_socat;
    QString m_device;
    QString m_readyLine;
    QString m_output;
};
