#include "CommandLayer.h"
#include "ScriptedTransport.h"

#include <gtest/gtest.h>

namespace {

using S = ExchangeStatus;

QByteArray wire(const char *inner, char terminator = frame::ETX)
{
    return frame::STX + QByteArray(inner) + terminator;
}

TEST(CommandLayer, ReplyLetters)
{
    const struct
    {
        const char *payload;
        int result;
        const char *message;
    } cases[] = {
        {"A", 0, ""},
        {"AREADY", 0, ""},
        {"B", -1, "The Terminal is in the Programming Mode and cannot process the command"},
        {"C", -1, "Communications error"},
        {"D", -2, ""},
        {"E", -3, ""},
        {"F", -5, "Command execution failed"},
        {"I", -1, "Terminal rejected the command as invalid"},
        {"N", -4, ""},
        {"Z", -1, "Communications error"},
        {"a", -1, "Communications error"},
    };
    for (const auto &c : cases) {
        ScriptedTransport t;
        t.reply(frame::buildReply(c.payload, 1));
        const CommandOutcome out = command::send(t, "DV", 1, 5);
        EXPECT_EQ(out.result, c.result) << c.payload;
        EXPECT_EQ(out.message, QString::fromLatin1(c.message)) << c.payload;
        EXPECT_EQ(t.requests.size(), 1u) << "a negative answer is never retried";
    }
    ScriptedTransport t;
    t.reply(frame::buildReply("AREADY", 1));
    EXPECT_EQ(command::send(t, "DV", 1, 5).answer, QByteArray("READY"));
}

TEST(CommandLayer, FinalStatusAfterThreeAttempts)
{
    const struct
    {
        S status;
        const char *message;
    } cases[] = {
        {S::TimedOut, "Timeout while waiting for the Terminal to reply"},
        {S::Overflow, "Communications error"},
        {S::PortFailed, "Terminal failed to execute the command"},
        {S::Malformed, "Communications error"},
    };
    for (const auto &c : cases) {
        ScriptedTransport t;
        for (int i = 0; i < 3; ++i)
            t.fail(c.status);
        t.reply(frame::buildReply("A", 1)); // a fourth attempt would succeed
        const CommandOutcome out = command::send(t, "DS", 1, 0);
        EXPECT_EQ(out.result, -1);
        EXPECT_EQ(out.message, QString::fromLatin1(c.message));
        EXPECT_EQ(t.requests.size(), 3u);
    }
}

TEST(CommandLayer, RefusedRepliesAreRetried)
{
    const struct
    {
        const char *name;
        std::vector<QByteArray> replies;
        int result;
        const char *message;
        std::size_t requests;
    } cases[] = {
        {"length one too high",
         {wire("11AA306"), wire("11AA306"), wire("11AA306")},
         -1,
         "Communications error",
         3},
        {"foreign address",
         {wire("12AA405"), wire("12AA405"), wire("12AA405")},
         -1,
         "Communications error",
         3},
        {"lower-case checksum", {wire("11Aa305")}, 0, "", 1},
        {"short form", {wire("11A", frame::CR)}, 0, "", 1},
        {"two time-outs then a good reply", {wire("11A"), wire("11A"), wire("11AA305")}, 0, "", 3},
        {"bad then negative", {wire("11AA300"), frame::buildReply("D", 1)}, -2, "", 2},
    };
    for (const auto &c : cases) {
        ScriptedTransport t;
        for (const QByteArray &r : c.replies)
            t.reply(r);
        const CommandOutcome out = command::send(t, "DV", 1, 5);
        EXPECT_EQ(out.result, c.result) << c.name;
        EXPECT_EQ(out.message, QString::fromLatin1(c.message)) << c.name;
        EXPECT_EQ(t.requests.size(), c.requests) << c.name;
        for (const QByteArray &request : t.requests)
            EXPECT_EQ(request, wire("11DV0005C10A"))
                << c.name << ": each attempt sends the same frame";
    }
}

TEST(CommandLayer, AddressZeroExpectsNoReply)
{
    for (const char *cmd : {"DV", "DL", "DS"}) {
        ScriptedTransport t;
        const CommandOutcome out = command::send(t, cmd, 0, 1, "01");
        EXPECT_EQ(out.result, 0) << cmd;
        EXPECT_TRUE(out.message.isEmpty());
        EXPECT_TRUE(out.answer.isEmpty());
        EXPECT_EQ(t.requests.size(), 1u);
    }
}

TEST(CommandLayer, CommandTexts)
{
    EXPECT_EQ(command::text("DV", 12345, {}), QByteArray("DV12345"));
    EXPECT_EQ(command::text("DV", 7, "ignored"), QByteArray("DV0007"));
    EXPECT_EQ(command::text("DL", 960, "0102"), QByteArray("DL09600102"));
    EXPECT_EQ(command::text("DS", 99, "x"), QByteArray("DS"));
    EXPECT_FALSE(command::text("DX", 0, {}));
}

TEST(CommandLayer, UnsendableCommandsSendNothing)
{
    const struct
    {
        const char *cmd;
        double number;
    } cases[] = {{"DX", 0}, {"dv", 1}, {"", 0}, {"DV", 1e300}};
    for (const auto &c : cases) {
        ScriptedTransport t;
        const CommandOutcome out = command::send(t, c.cmd, 1, c.number);
        EXPECT_EQ(out.result, -1);
        EXPECT_EQ(out.message, QStringLiteral("Terminal rejected the command as unsupported"));
        EXPECT_TRUE(t.requests.empty());
    }
}

} // namespace
