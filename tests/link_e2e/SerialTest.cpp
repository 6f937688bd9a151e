#include "CommandLayer.h"
#include "SerialTransport.h"
#include "VardenSim.h"

#include <gtest/gtest.h>

namespace {

using S = ExchangeStatus;
constexpr int SilenceMs = 600; // long enough for a loaded sanitizer build

TEST(SerialLink, AgainstTheSimulator)
{
    const struct
    {
        const char *name;
        QStringList args;
        int result;
        const char *message;
        std::vector<S> attempts;
    } cases[] = {
        {"plain", {}, 0, "", {S::Ok}},
        {"short form", {QStringLiteral("--short")}, 0, "", {S::Ok}},
        {"noise before STX", {QStringLiteral("--noise"), QStringLiteral("junk\r")}, 0, "", {S::Ok}},
        {"one dropped",
         {QStringLiteral("--drop"), QStringLiteral("--fault-count"), QStringLiteral("1")},
         0,
         "",
         {S::TimedOut, S::Ok}},
        {"bad length",
         {QStringLiteral("--bad-length")},
         -1,
         "Communications error",
         {S::Malformed, S::Malformed, S::Malformed}},
        {"255 characters of noise",
         {QStringLiteral("--noise"), QString(255, QLatin1Char('n'))},
         -1,
         "Communications error",
         {S::Overflow, S::Overflow, S::Overflow}},
        {"slow but within the silence",
         {QStringLiteral("--delay"), QStringLiteral("100")},
         0,
         "",
         {S::Ok}},
        {"answer F",
         {QStringLiteral("--answer"), QStringLiteral("F")},
         -5,
         "Command execution failed",
         {S::Ok}},
    };
    for (const auto &c : cases) {
        VardenSim sim;
        ASSERT_TRUE(sim.startSerial(c.args)) << c.name;
        SerialTransport serial(SilenceMs);
        serial.setDevice(sim.device());
        const CommandOutcome out = command::send(serial, "DV", 1, 5);
        EXPECT_EQ(out.result, c.result) << c.name << "\n" << sim.log().toStdString();
        EXPECT_EQ(out.message, QString::fromLatin1(c.message)) << c.name;
        EXPECT_EQ(out.attempts, c.attempts) << c.name;
    }
}

TEST(SerialLink, PeerThatVanishesMidReply)
{
    VardenSim sim;
    ASSERT_TRUE(sim.startSerial({QStringLiteral("--cut")}));
    SerialTransport serial(SilenceMs);
    serial.setDevice(sim.device());
    const CommandOutcome out = command::send(serial, "DV", 1, 5);
    EXPECT_EQ(out.result, -1);
    ASSERT_EQ(out.attempts.size(), 3u);
    EXPECT_NE(out.attempts[0], S::Ok);
    EXPECT_FALSE(serial.isOpen() && out.attempts.back() == S::PortFailed)
        << "a failed port is closed";
}

TEST(SerialLink, MissingDeviceFailsThePort)
{
    SerialTransport serial(SilenceMs);
    serial.setDevice(QStringLiteral("/dev/fendrel-no-such-tty"));
    EXPECT_FALSE(serial.open().isEmpty());
    const CommandOutcome out = command::send(serial, "DS", 1, 0);
    EXPECT_EQ(out.message, QStringLiteral("Terminal failed to execute the command"));
    EXPECT_EQ(out.attempts, (std::vector<S>{S::PortFailed, S::PortFailed, S::PortFailed}));
}

TEST(SerialLink, PortStaysOpenBetweenCommands)
{
    VardenSim sim;
    ASSERT_TRUE(sim.startSerial());
    SerialTransport serial(SilenceMs);
    serial.setDevice(sim.device());
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(command::send(serial, "DV", 1, i).result, 0);
    EXPECT_TRUE(serial.isOpen());
}

} // namespace
