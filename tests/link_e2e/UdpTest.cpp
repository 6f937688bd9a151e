#include "CommandLayer.h"
#include "Preview.h"
#include "UdpTransport.h"
#include "VardenSim.h"

#include <QImage>
#include <QNetworkDatagram>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

using S = ExchangeStatus;
constexpr int TimeoutMs = 600; // long enough for a loaded sanitizer build

struct Case
{
    const char *name;
    QStringList args;
    int result;
    const char *message;
    std::vector<S> attempts;
};

TEST(UdpLink, AgainstTheSimulator)
{
    const Case cases[] = {
        {"plain", {}, 0, "", {S::Ok}},
        {"short form", {QStringLiteral("--short")}, 0, "", {S::Ok}},
        {"noise before STX", {QStringLiteral("--noise"), QStringLiteral("xyz")}, 0, "", {S::Ok}},
        {"two dropped",
         {QStringLiteral("--drop"), QStringLiteral("--fault-count"), QStringLiteral("2")},
         0,
         "",
         {S::TimedOut, S::TimedOut, S::Ok}},
        {"all dropped",
         {QStringLiteral("--drop")},
         -1,
         "Timeout while waiting for the Terminal to reply",
         {S::TimedOut, S::TimedOut, S::TimedOut}},
        {"from a stranger's port",
         {QStringLiteral("--other-port")},
         -1,
         "Timeout while waiting for the Terminal to reply",
         {S::TimedOut, S::TimedOut, S::TimedOut}},
        {"bad checksum",
         {QStringLiteral("--bad-checksum")},
         -1,
         "Communications error",
         {S::Malformed, S::Malformed, S::Malformed}},
        {"bad length once",
         {QStringLiteral("--bad-length"), QStringLiteral("--fault-count"), QStringLiteral("1")},
         0,
         "",
         {S::Malformed, S::Ok}},
        {"answer D", {QStringLiteral("--answer"), QStringLiteral("D")}, -2, "", {S::Ok}},
        {"answer B",
         {QStringLiteral("--answer"), QStringLiteral("B")},
         -1,
         "The Terminal is in the Programming Mode and cannot process the command",
         {S::Ok}},
        {"item the firmware lacks",
         {QStringLiteral("--firmware"),
          qEnvironmentVariable("FENDREL_TEST_DATA") + QStringLiteral("/link/two-items.k7x")},
         -4,
         "",
         {S::Ok}},
    };
    for (const Case &c : cases) {
        VardenSim sim;
        ASSERT_TRUE(sim.startUdp(c.args)) << c.name;
        UdpTransport udp(TimeoutMs);
        udp.setRemote(QHostAddress::LocalHost, sim.port);
        const CommandOutcome out = command::send(udp, "DV", 1, 5);
        EXPECT_EQ(out.result, c.result) << c.name << "\n" << sim.log().toStdString();
        EXPECT_EQ(out.message, QString::fromLatin1(c.message)) << c.name;
        EXPECT_EQ(out.attempts, c.attempts) << c.name;
    }
}

TEST(UdpLink, FirmwareItemsAreShown)
{
    VardenSim sim;
    ASSERT_TRUE(
        sim.startUdp({QStringLiteral("--firmware"), qEnvironmentVariable("FENDREL_TEST_DATA") +
                                                        QStringLiteral("/link/two-items.k7x")}));
    UdpTransport udp(TimeoutMs);
    udp.setRemote(QHostAddress::LocalHost, sim.port);
    EXPECT_EQ(command::send(udp, "DV", 1, 0).result, 0);
    EXPECT_EQ(command::send(udp, "DV", 1, 1).result, 0);
    EXPECT_EQ(command::send(udp, "DV", 1, 2).result, -4);
    EXPECT_TRUE(sim.log().contains(QStringLiteral("#.\n.#\n"))) << sim.log().toStdString();
}

TEST(UdpLink, PreviewArrivesWhole)
{
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("shown.png"));
    VardenSim sim;
    ASSERT_TRUE(sim.startUdp({QStringLiteral("--png"), png}));
    UdpTransport udp(TimeoutMs);
    udp.setRemote(QHostAddress::LocalHost, sim.port);
    // 128 columns by 8 bands: 1026 bytes, nine blocks.
    QByteArray file(2 + 128 * 8, 0);
    file[0] = static_cast<char>(128);
    file[1] = 8;
    for (int x = 0; x < 128; ++x)
        file[2 + x] = 1; // the top row black
    const CommandOutcome out = preview::run(udp, file);
    EXPECT_EQ(out.result, 0) << out.message.toStdString();
    EXPECT_TRUE(sim.log().contains(QStringLiteral("showing the loaded graphic (1026 bytes)")));
    EXPECT_TRUE(sim.log().contains(QString(128, QLatin1Char('#'))));
    EXPECT_TRUE(QImage(png).size() == QSize(512, 256));
}

TEST(UdpLink, PeerThatVanishes)
{
    VardenSim sim;
    ASSERT_TRUE(sim.startUdp({QStringLiteral("--cut")}));
    UdpTransport udp(TimeoutMs);
    udp.setRemote(QHostAddress::LocalHost, sim.port);
    const CommandOutcome out = command::send(udp, "DV", 1, 5);
    EXPECT_EQ(out.result, -1);
    ASSERT_EQ(out.attempts.size(), 3u);
    EXPECT_EQ(out.attempts[0], S::Malformed) << "half a reply";
    // Then nobody listens: either the time-out or the socket's refusal ends each attempt.
    EXPECT_NE(out.attempts[2], S::Ok);
}

// A peer under the test's own control, for what the simulator will not send.
TEST(UdpLink, OddDatagrams)
{
    QUdpSocket peer;
    ASSERT_TRUE(peer.bind(QHostAddress::LocalHost, 0));
    QUdpSocket stranger;
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
        {"no terminator",
         QByteArray("\x02"
                    "11AA305"),
         false, S::Malformed},
        {"empty", QByteArray(), false, S::Malformed},
        {"from a stranger", frame::buildReply("A", 1), true, S::TimedOut},
        {"good", frame::buildReply("A", 1), false, S::Ok},
    };
    UdpTransport udp(TimeoutMs);
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
        const Transport::Reply reply = udp.exchange(*frame::buildRequest("DS", 1), true);
        EXPECT_EQ(reply.status, c.status) << c.name;
    }
}

} // namespace
