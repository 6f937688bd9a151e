#include "link/CommandLayer.h"
#include "support/ScriptedTransport.h"

#include <gtest/gtest.h>

namespace {

using S = ExchangeStatus;

QByteArray wire(const char *inner, char terminator = frame::ETX)
{
    return frame::STX + QByteArray(inner) + terminator;
}

QByteArray answer(const char *payload)
{
    return frame::buildReply(payload, 1);
}

// One reply as it comes off the line, or a transport failure in its place.
struct Step
{
    Step(const QByteArray &reply) : wire(reply) {}
    Step(S transportFailure) : failure(transportFailure) {}
    QByteArray wire;
    S failure = S::Ok;
};

TEST(CommandLayer, RepliesAndRetries)
{
    const QString comms = QStringLiteral("Communications error");
    const struct
    {
        const char *name;
        std::vector<Step> script; // a reply left over shows a needless retry
        int result;
        QString message;
        std::size_t requests;
    } cases[] = {
        {"A", {answer("A")}, 0, {}, 1},
        {"B",
         {answer("B")},
         -1,
         QStringLiteral("The Terminal is in the Programming Mode and cannot process the command"),
         1},
        {"C", {answer("C")}, -1, comms, 1},
        {"D", {answer("D")}, -2, {}, 1},
        {"E", {answer("E")}, -3, {}, 1},
        {"F", {answer("F")}, -5, QStringLiteral("Command execution failed"), 1},
        {"I", {answer("I")}, -1, QStringLiteral("Terminal rejected the command as invalid"), 1},
        {"N", {answer("N")}, -4, {}, 1},
        {"unknown letter", {answer("Z")}, -1, comms, 1},
        {"lower-case letter", {answer("a")}, -1, comms, 1},
        {"short form", {wire("11A", frame::CR)}, 0, {}, 1},
        {"length one too high",
         {wire("11AA306"), wire("11AA306"), wire("11AA306"), answer("A")},
         -1,
         comms,
         3},
        {"two time-outs then a good reply", {wire("11A"), wire("11A"), answer("A")}, 0, {}, 3},
        {"bad then negative", {wire("11AA300"), answer("D")}, -2, {}, 2},
        {"three time-outs",
         {S::TimedOut, S::TimedOut, S::TimedOut, answer("A")},
         -1,
         QStringLiteral("Timeout while waiting for the Terminal to reply"),
         3},
        {"three overflows", {S::Overflow, S::Overflow, S::Overflow}, -1, comms, 3},
        {"three port failures",
         {S::PortFailed, S::PortFailed, S::PortFailed},
         -1,
         QStringLiteral("Terminal failed to execute the command"),
         3},
        {"three malformed", {S::Malformed, S::Malformed, S::Malformed}, -1, comms, 3},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedTransport t;
        for (const Step &step : c.script) {
            if (step.failure == S::Ok)
                t.reply(step.wire);
            else
                t.fail(step.failure);
        }
        const CommandOutcome out = command::send(t, "DV", 1, 5);
        EXPECT_EQ(out.result, c.result);
        EXPECT_EQ(out.message, c.message);
        EXPECT_EQ(t.requests.size(), c.requests);
        for (const QByteArray &request : t.requests)
            EXPECT_EQ(request, wire("11DV0005C10A")) << "each attempt sends the same frame";
    }
    ScriptedTransport t;
    t.reply(answer("AREADY"));
    EXPECT_EQ(command::send(t, "DV", 1, 5).answer, QByteArray("READY"));
}

TEST(CommandLayer, CommandTexts)
{
    EXPECT_EQ(command::text("DV", 12345, {}), QByteArray("DV12345"));
    EXPECT_EQ(command::text("DV", 7, "ignored"), QByteArray("DV0007"));
    EXPECT_EQ(command::text("DL", 960, "0102"), QByteArray("DL09600102"));
    EXPECT_EQ(command::text("DS", 99, "x"), QByteArray("DS"));
    EXPECT_FALSE(command::text("DX", 0, {}));
}

// Address 0 is a broadcast nobody answers; an unsendable command never leaves.
TEST(CommandLayer, BroadcastAndUnsendableCommands)
{
    const struct
    {
        const char *cmd;
        int address;
        double number;
        int result;
        std::size_t requests;
    } cases[] = {{"DV", 0, 1, 0, 1},     {"DL", 0, 1, 0, 1},  {"DS", 0, 1, 0, 1},
                 {"DX", 1, 0, -1, 0},    {"dv", 1, 1, -1, 0}, {"", 1, 0, -1, 0},
                 {"DV", 1, 1e300, -1, 0}};
    for (const auto &c : cases) {
        ScriptedTransport t;
        const CommandOutcome out = command::send(t, c.cmd, c.address, c.number, "01");
        EXPECT_EQ(out.result, c.result) << c.cmd;
        EXPECT_EQ(out.message, c.result
                                   ? QStringLiteral("Terminal rejected the command as unsupported")
                                   : QString())
            << c.cmd;
        EXPECT_TRUE(out.answer.isEmpty());
        EXPECT_EQ(t.requests.size(), c.requests) << c.cmd;
    }
}

} // namespace
