#include "link/FrameLog.h"
#include "link/CommandLayer.h"
#include "link/FrameText.h"
#include "support/QtPrinting.h"
#include "support/ScriptedTransport.h"

#include <QDateTime>

#include <gtest/gtest.h>

namespace {

using D = FrameLog::Direction;

TEST(FrameText, HexAndDecoded)
{
    const struct
    {
        QByteArray bytes;
        const char *hex;
        const char *decoded;
    } cases[] = {
        {*frame::buildRequest("DV0005", 1), "02 31 31 44 56 30 30 30 35 43 31 30 41 03",
         "<STX>11DV0005C10A<ETX>"},
        {QByteArray("\x02"
                    "11A\r"),
         "02 31 31 41 0d", "<STX>11A<CR>"},
        {QByteArray("\x00\x1f \x7e\x7f\xff", 6), "00 1f 20 7e 7f ff", "<00><1f> ~<7f><ff>"},
        {QByteArray(), "", ""},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(frametext::hex(c.bytes), QString::fromLatin1(c.hex));
        EXPECT_EQ(frametext::decoded(c.bytes), QString::fromLatin1(c.decoded));
    }
    const qint64 noon = QDateTime(QDate(2026, 3, 4), QTime(12, 34, 56, 789)).toMSecsSinceEpoch();
    EXPECT_EQ(frametext::line(noon, u"sent", QByteArray("\x02\x03")),
              QStringLiteral("12:34:56.789 sent 02 03 | <STX><ETX>"));
}

TEST(FrameLog, KeepsTheLast10000Frames)
{
    FrameLog log;
    qint64 clock = 0;
    log.setClock([&] { return clock++; });
    for (int i = 0; i < 10000; ++i)
        EXPECT_EQ(log.add(D::Sent, QByteArray::number(i)), quint64(i));
    EXPECT_EQ(log.size(), 10000);
    EXPECT_EQ(log.at(0).bytes, "0");
    EXPECT_EQ(log.add(D::Received, "10000", QStringLiteral("success")), 10000u);
    EXPECT_EQ(log.size(), 10000);
    EXPECT_EQ(log.at(0).bytes, "1");
    EXPECT_EQ(log.at(0).msecs, 1);
    EXPECT_EQ(log.at(9999).bytes, "10000");
    EXPECT_EQ(log.at(9999).direction, D::Received);
    EXPECT_EQ(log.at(9999).outcome, QStringLiteral("success"));

    log.setOutcome(0, QStringLiteral("gone")); // left the ring: nothing changes
    log.setOutcome(1, QStringLiteral("oldest kept"));
    log.setOutcome(10001, QStringLiteral("not yet added"));
    EXPECT_EQ(log.at(0).outcome, QStringLiteral("oldest kept"));
    for (int i = 0; i < 15000; ++i)
        log.add(D::Sent, QByteArray::number(10001 + i));
    EXPECT_EQ(log.at(0).bytes, "15001");
    EXPECT_EQ(log.at(9999).bytes, "25000");

    // Cleared after the ring has wrapped, it starts again from its first slot:
    // new frames read back in the order they came, at the times given.
    log.clear();
    EXPECT_EQ(log.size(), 0);
    log.setOutcome(25000, QStringLiteral("cleared away"));
    log.setNotSent(25000);
    EXPECT_EQ(log.add(D::Sent, "x"), 25001u);
    log.add(D::Received, "y", {}, 7);
    log.add(D::Sent, "z");
    log.setNotSent(25003);
    log.add(D::Sent, "w"); // four: the old start (slot 5001) would read them from the second
    EXPECT_EQ(log.size(), 4);
    EXPECT_TRUE(log.at(0).outcome.isEmpty());
    QStringList kept;
    for (qsizetype row = 0; row < log.size(); ++row)
        kept << QStringLiteral("%1 %2 %3")
                    .arg(log.at(row).msecs)
                    .arg(FrameLog::directionName(log.at(row).direction),
                         QString::fromLatin1(log.at(row).bytes));
    EXPECT_EQ(kept,
              (QStringList{QStringLiteral("25001 sent x"), QStringLiteral("7 received y"),
                           QStringLiteral("25002 not sent z"), QStringLiteral("25003 sent w")}));
}

// What the log says about each attempt of a command.
TEST(FrameLog, OutcomesOfCommands)
{
    const QByteArray a = frame::buildReply("A", 1);
    const struct
    {
        const char *name;
        std::vector<QByteArray> replies; // empty: no reply to that attempt
        int address;
        std::vector<const char *> lines; // direction and outcome of each frame
    } cases[] = {
        {"success", {a}, 1, {"sent: ", "received: success"}},
        {"retry, then success",
         {{}, a},
         1,
         {"sent: retry: time-out", "sent: ", "received: success"}},
        {"time-out",
         {},
         1,
         {"sent: retry: time-out", "sent: retry: time-out",
          "sent: time-out; message shown: Timeout while waiting for the Terminal to reply"}},
        {"reply for another address, three times",
         {frame::buildReply("A", 2), frame::buildReply("A", 2), frame::buildReply("A", 2)},
         1,
         {"sent: ", "received: retry: malformed reply",
          "sent: ", "received: retry: malformed reply",
          "sent: ", "received: malformed reply; message shown: Communications error"}},
        {"silent answer", {frame::buildReply("N", 1)}, 1, {"sent: ", "received: answer N"}},
        {"answer with a message",
         {frame::buildReply("F", 1)},
         1,
         {"sent: ", "received: answer F; message shown: Command execution failed"}},
        {"no reply expected", {}, 0, {"sent: success"}},
        {"never left",
         {"!", "!", "!"},
         1,
         {"not sent: retry: not sent: Permission denied",
          "not sent: retry: not sent: Permission denied",
          "not sent: not sent: Permission denied; message shown: Terminal failed to execute the "
          "command"}},
        {"left once, then not",
         {"!", a},
         1,
         {"not sent: retry: not sent: Permission denied", "sent: ", "received: success"}},
    };
    for (const auto &c : cases) {
        ScriptedTransport transport;
        for (const QByteArray &reply : c.replies) {
            if (reply.isEmpty())
                transport.fail(ExchangeStatus::TimedOut);
            else if (reply == "!")
                transport.notSent(QStringLiteral("Permission denied"));
            else
                transport.reply(reply);
        }
        FrameLog log;
        transport.setFrameLog(&log);
        command::send(transport, "DV", c.address, 5);
        QStringList lines;
        for (qsizetype row = 0; row < log.size(); ++row)
            lines << FrameLog::directionName(log.at(row).direction) + QStringLiteral(": ") +
                         log.at(row).outcome;
        QStringList expected;
        for (const char *line : c.lines)
            expected << QString::fromLatin1(line);
        EXPECT_EQ(lines, expected) << c.name;
        EXPECT_EQ(log.at(0).bytes, *frame::buildRequest("DV0005", c.address)) << c.name;
    }

    // Detached, the log is left alone.
    ScriptedTransport transport;
    FrameLog log;
    transport.setFrameLog(&log);
    transport.setFrameLog(nullptr);
    transport.reply(a);
    EXPECT_EQ(command::send(transport, "DS", 1, 0).result, 0);
    EXPECT_EQ(log.size(), 0);
}

} // namespace
