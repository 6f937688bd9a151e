#include "link/CommandLayer.h"
#include "link/FrameLog.h"
#include "link/Preview.h"
#include "link/SerialTransport.h"
#include "link/UdpTransport.h"
#include "support/VardenSim.h"

#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QNetworkDatagram>

#include <gtest/gtest.h>

#include <memory>

namespace {

using S = ExchangeStatus;
constexpr int WaitMs = 600; // long enough for a loaded sanitizer build

enum Line { Udp = 1, Serial = 2, Both = 3 };

// The simulator on one line and a transport to it; null when it did not come up.
std::unique_ptr<Transport> attach(VardenSim &sim, Line line, const QStringList &args = {})
{
    if (line == Udp) {
        if (!sim.startUdp(args))
            return nullptr;
        // A port an ordinary user may open and the Options window accepts.
        EXPECT_GE(sim.port, 1024);
        EXPECT_LE(sim.port, 9999);
        auto udp = std::make_unique<UdpTransport>(WaitMs);
        udp->setRemote(QHostAddress::LocalHost, sim.port);
        return udp;
    }
    if (!sim.startSerial(args))
        return nullptr;
    auto serial = std::make_unique<SerialTransport>(WaitMs);
    serial->setDevice(sim.device());
    return serial;
}

QStringList args(const char *words)
{
    return QString::fromLatin1(words).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

// Attempt statuses by letter: Ok, Timed out, Malformed, oVerflow.
std::vector<S> attempts(const char *letters)
{
    std::vector<S> result;
    for (const char *l = letters; *l; ++l)
        result.push_back(*l == 'O'   ? S::Ok
                         : *l == 'T' ? S::TimedOut
                         : *l == 'M' ? S::Malformed
                                     : S::Overflow);
    return result;
}

TEST(Link, AgainstTheSimulator)
{
    const char *timeout = "Timeout while waiting for the Terminal to reply";
    const char *comms = "Communications error";
    const std::string noise = "--noise " + std::string(255, 'n');
    const struct
    {
        const char *name;
        int lines;
        const char *args;
        int result;
        const char *message;
        const char *attempts;
    } cases[] = {
        {"plain", Both, "", 0, "", "O"},
        {"short form", Both, "--short", 0, "", "O"},
        // A line picks up noise; a datagram is built whole by the terminal.
        {"noise before STX", Serial, "--noise junk\r", 0, "", "O"},
        {"noise before STX", Udp, "--noise junk\r", -1, comms, "MMM"},
        {"two dropped", Both, "--drop --fault-count 2", 0, "", "TTO"},
        {"all dropped", Udp, "--drop", -1, timeout, "TTT"},
        {"from a stranger's port", Udp, "--other-port", -1, timeout, "TTT"},
        {"bad checksum", Both, "--bad-checksum", -1, comms, "MMM"},
        {"255 characters of noise", Serial, noise.c_str(), -1, comms, "VVV"},
        {"slow but within the silence", Serial, "--delay 100", 0, "", "O"},
    };
    for (const auto &c : cases) {
        for (const Line line : {Udp, Serial}) {
            if (!(c.lines & line))
                continue;
            SCOPED_TRACE(std::string(c.name) + (line == Udp ? " (UDP)" : " (serial)"));
            VardenSim sim;
            const auto transport = attach(sim, line, args(c.args));
            ASSERT_TRUE(transport);
            const CommandOutcome out = command::send(*transport, "DV", 1, 5);
            EXPECT_EQ(out.result, c.result) << sim.log().toStdString();
            EXPECT_EQ(out.message, QString::fromLatin1(c.message));
            EXPECT_EQ(out.attempts, attempts(c.attempts));
        }
    }
}

TEST(Link, PeerThatVanishesMidReply)
{
    for (const Line line : {Udp, Serial}) {
        VardenSim sim;
        const auto transport = attach(sim, line, args("--cut"));
        ASSERT_TRUE(transport);
        const CommandOutcome out = command::send(*transport, "DV", 1, 5);
        EXPECT_EQ(out.result, -1);
        ASSERT_EQ(out.attempts.size(), 3u);
        // Half a reply, then nobody listens.
        EXPECT_NE(out.attempts[0], S::Ok);
        EXPECT_NE(out.attempts[2], S::Ok);
        if (line == Udp) {
            EXPECT_EQ(out.attempts[0], S::Malformed);
        } else {
            const bool open = static_cast<SerialTransport &>(*transport).isOpen();
            EXPECT_FALSE(open && out.attempts.back() == S::PortFailed) << "a failed port is closed";
        }
    }
}

// Lock files of the serial devices under folder (QSerialPort names them after
// the device's whole path).
QStringList lockFilesFor(const QString &device)
{
    const QString folder = QFileInfo(device).dir().dirName();
    QStringList found;
    for (const char *dir : {"/run/lock", "/var/lock"})
        for (const QString &name :
             QDir(QString::fromLatin1(dir))
                 .entryList({QStringLiteral("LCK..*") + folder + u'*'}, QDir::Files | QDir::System))
            found << name;
    return found;
}

// The peer hangs up while the program is idle: the port closes at once rather
// than reporting the hang-up over and over, and the next command opens it again.
TEST(Link, SerialHangUpClosesThePort)
{
    VardenSim sim;
    const auto transport = attach(sim, Serial);
    ASSERT_TRUE(transport);
    auto &serial = static_cast<SerialTransport &>(*transport);
    EXPECT_EQ(command::send(serial, "DV", 1, 1).result, 0);
    ASSERT_TRUE(serial.isOpen());

    sim.stop(); // the simulator, then the pseudo-terminal pair: the line hangs up
    EXPECT_TRUE(lockFilesFor(sim.device()).filter(QStringLiteral("ttyB")).isEmpty())
        << "the simulator's lock file is left behind";
    QElapsedTimer clock;
    clock.start();
    while (serial.isOpen() && clock.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_FALSE(serial.isOpen()) << "idle on a hung-up line";
    EXPECT_TRUE(lockFilesFor(sim.device()).isEmpty());

    ASSERT_TRUE(sim.startSerial()); // the same device path again
    EXPECT_EQ(command::send(serial, "DV", 1, 2).result, 0) << sim.log().toStdString();
    EXPECT_TRUE(serial.isOpen());
}

TEST(Link, AMissingSerialPortFails)
{
    SerialTransport missing(WaitMs);
    missing.setDevice(QStringLiteral("/dev/fendrel-no-such-tty"));
    EXPECT_FALSE(missing.open().isEmpty());
    FrameLog log;
    missing.setFrameLog(&log);
    const CommandOutcome out = command::send(missing, "DS", 1, 0);
    EXPECT_EQ(out.message, QStringLiteral("Terminal failed to execute the command"));
    EXPECT_EQ(out.attempts, std::vector<S>(3, S::PortFailed));
    ASSERT_EQ(log.size(), 3);
    EXPECT_EQ(log.at(0).direction, FrameLog::Direction::NotSent);
    EXPECT_TRUE(log.at(0).outcome.startsWith(
        QStringLiteral("retry: not sent: cannot open /dev/fendrel-no-such-tty: ")))
        << log.at(0).outcome.toStdString();
}

TEST(Link, FirmwareItemsAreShown)
{
    VardenSim sim;
    const auto udp =
        attach(sim, Udp,
               {QStringLiteral("--firmware"),
                qEnvironmentVariable("FENDREL_TEST_DATA") + QStringLiteral("/link/two-items.k7x")});
    ASSERT_TRUE(udp);
    EXPECT_EQ(command::send(*udp, "DV", 1, 0).result, 0);
    EXPECT_EQ(command::send(*udp, "DV", 1, 1).result, 0);
    EXPECT_EQ(command::send(*udp, "DV", 1, 2).result, -4);
    EXPECT_TRUE(sim.log().contains(QStringLiteral("#.\n.#\n"))) << sim.log().toStdString();
}

TEST(Link, PreviewArrivesWhole)
{
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("shown.png"));
    VardenSim sim;
    const auto udp = attach(sim, Udp, {QStringLiteral("--png"), png});
    ASSERT_TRUE(udp);
    // 128 columns by 8 bands: 1026 bytes, nine blocks; the top row black.
    QByteArray file(2 + 128 * 8, 0);
    file[0] = static_cast<char>(128);
    file[1] = 8;
    for (int x = 0; x < 128; ++x)
        file[2 + x] = 1;
    const CommandOutcome out = preview::run(*udp, file);
    EXPECT_EQ(out.result, 0) << out.message.toStdString();
    EXPECT_TRUE(sim.log().contains(QStringLiteral("showing the loaded graphic (1026 bytes)")));
    EXPECT_TRUE(sim.log().contains(QString(128, QLatin1Char('#'))));
    EXPECT_EQ(QImage(png).size(), QSize(512, 256));
}

// A peer under the test's own control, for what the simulator will not send.
TEST(Link, OddDatagrams)
{
    QUdpSocket peer;
    QUdpSocket stranger;
    ASSERT_TRUE(peer.bind(QHostAddress::LocalHost, 0));
    ASSERT_TRUE(stranger.bind(QHostAddress::LocalHost, 0));
    const struct
    {
        const char *name;
        QByteArray datagram;
        bool fromStranger;
        S status;
    } cases[] = {
        {"64 KiB", QByteArray(65000, '\x02'), false, S::Overflow},
        {"no STX", QByteArray("11AA305\x03"), false, S::Malformed},
        {"from a stranger", frame::buildReply("A", 1), true, S::TimedOut},
        {"good", frame::buildReply("A", 1), false, S::Ok},
    };
    UdpTransport udp(WaitMs);
    udp.setRemote(QHostAddress::LocalHost, peer.localPort());
    for (const auto &c : cases) {
        QObject context;
        QObject::connect(&peer, &QUdpSocket::readyRead, &context, [&] {
            while (peer.hasPendingDatagrams()) {
                const QNetworkDatagram request = peer.receiveDatagram();
                (c.fromStranger ? stranger : peer)
                    .writeDatagram(c.datagram, request.senderAddress(),
                                   static_cast<quint16>(request.senderPort()));
            }
        });
        EXPECT_EQ(udp.exchange(*frame::buildRequest("DS", 1), true).status, c.status) << c.name;
    }
}

// The log tells what happened when it happened: a reply that comes after its
// command gave up is logged when it comes (by the log's clock), not when the
// next command starts; a request that never left is not called sent.
TEST(Link, TheLogTellsWhatHappenedAndWhen)
{
    QUdpSocket peer;
    ASSERT_TRUE(peer.bind(QHostAddress::LocalHost, 0));
    UdpTransport udp(100);
    udp.setRemote(QHostAddress::LocalHost, peer.localPort());
    FrameLog log;
    qint64 now = 1000;
    log.setClock([&] { return now; });
    udp.setFrameLog(&log);

    EXPECT_EQ(command::send(udp, "DV", 1, 5).result, -1); // silence
    ASSERT_TRUE(peer.hasPendingDatagrams());
    QNetworkDatagram request;
    while (peer.hasPendingDatagrams())
        request = peer.receiveDatagram();
    now = 2000;
    peer.writeDatagram(frame::buildReply("A", 1), request.senderAddress(),
                       static_cast<quint16>(request.senderPort()));
    QElapsedTimer clock;
    clock.start();
    while (log.size() < 4 && clock.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);

    now = 17000;
    QObject::connect(&peer, &QUdpSocket::readyRead, &peer, [&] {
        while (peer.hasPendingDatagrams()) {
            const QNetworkDatagram r = peer.receiveDatagram();
            peer.writeDatagram(frame::buildReply("A", 1), r.senderAddress(),
                               static_cast<quint16>(r.senderPort()));
        }
    });
    EXPECT_EQ(command::send(udp, "DS", 1, 0).result, 0);

    UdpTransport nowhere(100);
    nowhere.setRemote(QHostAddress::LocalHost, 0);
    nowhere.setFrameLog(&log);
    EXPECT_EQ(command::send(nowhere, "DS", 1, 0).attempts, std::vector<S>(3, S::PortFailed));

    QStringList lines;
    for (qsizetype row = 0; row < log.size(); ++row)
        lines << QStringLiteral("%1 %2 %3")
                     .arg(log.at(row).msecs)
                     .arg(FrameLog::directionName(log.at(row).direction), log.at(row).outcome);
    const QString from = QStringLiteral(" (from 127.0.0.1 port %1)").arg(peer.localPort());
    ASSERT_EQ(lines.size(), 9) << lines.join(u'\n').toStdString();
    EXPECT_EQ(
        lines.mid(0, 6),
        (QStringList{QStringLiteral("1000 sent retry: time-out"),
                     QStringLiteral("1000 sent retry: time-out"),
                     QStringLiteral("1000 sent time-out; message shown: Timeout while "
                                    "waiting for the Terminal to reply"),
                     QStringLiteral("2000 received ignored: arrived between commands") + from,
                     QStringLiteral("17000 sent "), QStringLiteral("17000 received success")}));
    for (const QString &line : lines.mid(6))
        EXPECT_TRUE(line.startsWith(QStringLiteral("17000 not sent ")) &&
                    line.contains(QStringLiteral("not sent: ")))
            << line.toStdString();
    EXPECT_TRUE(lines[8].endsWith(
        QStringLiteral("; message shown: Terminal failed to execute the command")));
}

} // namespace
