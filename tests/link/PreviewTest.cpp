#include "link/Preview.h"
#include "support/ScriptedTransport.h"

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

TEST(Preview, RefusalsAndFailures)
{
    const struct
    {
        const char *name;
        int size;
        std::vector<const char *> replies; // answer letters; then silence
        int result;
        const char *message;
        std::size_t requests;
    } cases[] = {
        {"too big", 1028, {}, -1, "Resource is too big", 0},
        {"empty", 0, {}, -1, "The Resource file is empty", 0},
        // The first failed block ends the preview: no DS follows.
        {"third block answered D", 1027, {"A", "A", "D"}, -2, "", 3},
        {"third block unanswered",
         1027,
         {"A", "A"},
         -1,
         "Timeout while waiting for the Terminal to reply",
         5},
        {"show command answered B",
         10,
         {"A", "B"},
         -1,
         "The Terminal is in the Programming Mode and cannot process the command",
         2},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedTransport t;
        for (const char *letter : c.replies)
            t.reply(frame::buildReply(letter, 1));
        const CommandOutcome out = preview::run(t, fileOf(c.size));
        EXPECT_EQ(out.result, c.result);
        EXPECT_EQ(out.message, QString::fromLatin1(c.message));
        ASSERT_EQ(t.requests.size(), c.requests);
        for (std::size_t k = 0; k < t.requests.size(); ++k)
            EXPECT_EQ(commandOf(t.requests[k]) == "DS", c.size <= 120 && k == 1);
    }
}

} // namespace
