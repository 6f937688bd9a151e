#include "Preview.h"
#include "ScriptedTransport.h"

#include <gtest/gtest.h>

namespace {

QByteArray fileOf(int size)
{
    QByteArray bytes(size, 0);
    for (int i = 0; i < size; ++i)
        bytes[i] = static_cast<char>(i * 7);
    return bytes;
}

// The command text of a request: what lies between the address characters
// and the checksum.
QByteArray commandOf(const QByteArray &request)
{
    return request.mid(3, request.size() - 3 - 5);
}

TEST(Preview, BlocksAndFrames)
{
    const struct
    {
        int size;
        std::vector<int> blockSizes;
    } cases[] = {
        {1, {1}},
        {120, {120}},
        {121, {120, 1}},
        {250, {120, 120, 10}}, // 240, 240 and 20 characters
        {1027, {120, 120, 120, 120, 120, 120, 120, 120, 67}},
    };
    for (const auto &c : cases) {
        const QByteArray file = fileOf(c.size);
        ScriptedTransport t;
        for (std::size_t i = 0; i <= c.blockSizes.size(); ++i)
            t.reply(frame::buildReply("A", 1));
        const CommandOutcome out = preview::run(t, file);
        EXPECT_EQ(out.result, 0) << c.size;
        ASSERT_EQ(t.requests.size(), c.blockSizes.size() + 1) << c.size;
        QByteArray sent;
        for (std::size_t k = 0; k < c.blockSizes.size(); ++k) {
            const QByteArray text = commandOf(t.requests[k]);
            EXPECT_EQ(text.first(6), "DL" + frame::numberField(120.0 * k)) << c.size;
            EXPECT_EQ(text.size() - 6, 2 * c.blockSizes[k]) << c.size << " block " << k;
            sent += frame::decodeNibbles(text.mid(6));
        }
        EXPECT_EQ(sent, file) << "the file goes out unchanged, header included";
        EXPECT_EQ(commandOf(t.requests.back()), QByteArray("DS"));
    }
}

TEST(Preview, RefusedFilesSendNothing)
{
    const struct
    {
        int size;
        const char *message;
    } cases[] = {{1028, "Resource is too big"},
                 {65536, "Resource is too big"},
                 {0, "The Resource file is empty"}};
    for (const auto &c : cases) {
        ScriptedTransport t;
        const CommandOutcome out = preview::run(t, fileOf(c.size));
        EXPECT_EQ(out.result, -1);
        EXPECT_EQ(out.message, QString::fromLatin1(c.message));
        EXPECT_TRUE(t.requests.empty());
    }
}

TEST(Preview, StopsAtTheFirstFailedBlock)
{
    const struct
    {
        const char *name;
        const char *thirdReply; // nullptr: no reply at all
        int result;
        const char *message;
        std::size_t requests;
    } cases[] = {
        {"negative answer D", "D", -2, "", 3},
        {"answer F", "F", -5, "Command execution failed", 3},
        {"silence", nullptr, -1, "Timeout while waiting for the Terminal to reply", 5},
    };
    for (const auto &c : cases) {
        ScriptedTransport t;
        t.reply(frame::buildReply("A", 1));
        t.reply(frame::buildReply("A", 1));
        if (c.thirdReply)
            t.reply(frame::buildReply(c.thirdReply, 1));
        const CommandOutcome out = preview::run(t, fileOf(1027));
        EXPECT_EQ(out.result, c.result) << c.name;
        EXPECT_EQ(out.message, QString::fromLatin1(c.message)) << c.name;
        ASSERT_EQ(t.requests.size(), c.requests) << c.name;
        for (const QByteArray &r : t.requests)
            EXPECT_TRUE(commandOf(r).startsWith("DL")) << c.name << ": no DS after a failed block";
    }
}

TEST(Preview, ShowCommandOutcomeIsPassedOn)
{
    ScriptedTransport t;
    t.reply(frame::buildReply("A", 1));
    t.reply(frame::buildReply("B", 1));
    const CommandOutcome out = preview::run(t, fileOf(10));
    EXPECT_EQ(out.result, -1);
    EXPECT_EQ(
        out.message,
        QStringLiteral("The Terminal is in the Programming Mode and cannot process the command"));
}

} // namespace
