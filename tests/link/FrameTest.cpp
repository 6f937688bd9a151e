#include "link/Frame.h"

#include <gtest/gtest.h>

using namespace frame;

namespace {

QByteArray wire(const char *inner, char terminator = ETX)
{
    return STX + QByteArray(inner) + terminator;
}

TEST(Frame, RequestsMatchTheKnownFrames)
{
    EXPECT_EQ(buildRequest("DV0005", 1), wire("11DV0005C10A"));
    EXPECT_EQ(buildRequest("DS", 1), wire("11DSF906"));
    EXPECT_EQ(buildReply("A", 1), wire("11AA305"));
    EXPECT_EQ(buildReply("A", 1, false), wire("11A", CR));
    // The length field holds at most 255.
    EXPECT_TRUE(buildRequest(QByteArray(251, 'x'), 1));
    EXPECT_FALSE(buildRequest(QByteArray(252, 'x'), 1));
}

TEST(Frame, NumberFieldHasAtLeastFourDigits)
{
    const struct
    {
        double number;
        const char *field;
    } cases[] = {{0, "0000"},   {7, "0007"},   {960, "0960"}, {12345, "12345"},
                 {4.5, "0005"}, {4.4, "0004"}, {-3, "-0003"}};
    for (const auto &c : cases)
        EXPECT_EQ(numberField(c.number), QByteArray(c.field)) << c.number;
}

TEST(Frame, NibblesAreNotHex)
{
    EXPECT_EQ(encodeNibbles(QByteArray("\xAF\x00\x09\xFF", 4)), QByteArray(":?0009??"));
    QByteArray all(256, 0);
    for (int i = 0; i < 256; ++i)
        all[i] = static_cast<char>(i);
    EXPECT_EQ(decodeNibbles(encodeNibbles(all)), all);
}

TEST(Frame, ReplyCheck)
{
    const struct
    {
        const char *chars;
        bool fullForm;
        int address;
        const char *payload; // nullptr: refused
    } cases[] = {
        {"11AA305", true, 1, "A"},     {"11Aa305", true, 1, "A"}, // lower-case hex
        {"11AOK3D07", true, 1, "AOK"},                            // answer data
        {"11AA306", true, 1, nullptr},                            // length one too high
        {"11AA304", true, 1, nullptr},                            // length one too low
        {"11AA405", true, 1, nullptr},                            // checksum off by one
        {"12AA405", true, 2, "A"},                                // address 2
        {"12AA405", true, 1, nullptr},                            // foreign address
        {"21AA405", true, 1, nullptr},                            // first character not "1"
        {"11AG305", true, 1, nullptr},                            // not a hex digit
        {"11A 305", true, 1, nullptr},                            // blank where a digit belongs
        {"11A05", true, 1, nullptr},                              // too short for the full form
        {"11A", false, 1, "A"},                                   // short form, no checksum
        {"11", false, 1, nullptr},                                // too short for the short form
        {"12A", false, 1, nullptr},                               // short form, foreign address
        {"", true, 1, nullptr},
    };
    for (const auto &c : cases) {
        const auto payload = checkReply({QByteArray(c.chars), c.fullForm}, c.address);
        if (c.payload)
            EXPECT_EQ(payload, QByteArray(c.payload)) << c.chars;
        else
            EXPECT_FALSE(payload) << c.chars;
    }
}

TEST(Frame, ScannerSkipsNoiseAndRestartsOnStx)
{
    ReplyScanner scanner;
    EXPECT_EQ(scanner.feedAll(QByteArray("zz\x02junk\x02") + "11A\r" + "tail"),
              ReplyScanner::State::Complete);
    EXPECT_EQ(scanner.received().chars, QByteArray("11A"));
    EXPECT_FALSE(scanner.received().fullForm);
}

TEST(Frame, ScannerGivesUpAfter255Characters)
{
    // The 255th character may still complete the reply; the 256th may not.
    ReplyScanner fits;
    EXPECT_EQ(fits.feedAll(QByteArray(250, 'n') + wire("11A", CR)), ReplyScanner::State::Complete);
    ReplyScanner over;
    EXPECT_EQ(over.feedAll(QByteArray(251, 'n') + wire("11A", CR)), ReplyScanner::State::Overflow);

    ReplyScanner noisy;
    EXPECT_EQ(noisy.feedAll(QByteArray(255, 'n') + wire("11AA305")), ReplyScanner::State::Overflow);

    ReplyScanner huge;
    EXPECT_EQ(huge.feedAll(QByteArray(65536, '\x02')), ReplyScanner::State::Overflow);
}

} // namespace

namespace {

// A UDP reply is the whole datagram: nothing before the STX, the terminator last.
TEST(Frame, DatagramReplies)
{
    using K = frame::DatagramReply::Kind;
    const QByteArray full = frame::buildReply("A", 1); // STX 11AA305 ETX
    const struct
    {
        const char *name;
        QByteArray datagram;
        K kind;
        const char *chars;
        bool fullForm;
    } cases[] = {
        {"full", full, K::Reply, "11AA305", true},
        {"short",
         QByteArray("\x02"
                    "11A\r"),
         K::Reply, "11A", false},
        {"noise before STX", "junk\r" + full, K::NotAFrame, "", true},
        {"one noise byte", "\x7f" + full, K::NotAFrame, "", true},
        {"no STX", QByteArray("11AA305\x03"), K::NotAFrame, "", true},
        {"no terminator", full.chopped(1), K::NotAFrame, "", true},
        {"text after ETX", full + "x", K::NotAFrame, "", true},
        {"STX alone", QByteArray("\x02"), K::NotAFrame, "", true},
        {"empty", QByteArray(), K::NotAFrame, "", true},
        {"STX ETX", QByteArray("\x02\x03"), K::Reply, "", true},
        {"255 characters", "\x02" + QByteArray(253, 'x') + "\x03", K::Reply, nullptr, true},
        {"256 characters", "\x02" + QByteArray(254, 'x') + "\x03", K::TooLong, "", true},
        // However long, noise first makes it no reply rather than a long one.
        {"256 with noise first", QByteArray(247, 'n') + full, K::NotAFrame, "", true},
    };
    for (const auto &c : cases) {
        const frame::DatagramReply read = frame::readDatagram(c.datagram);
        EXPECT_EQ(read.kind, c.kind) << c.name;
        if (c.kind != K::Reply)
            continue;
        if (c.chars)
            EXPECT_EQ(read.received.chars, QByteArray(c.chars)) << c.name;
        else
            EXPECT_EQ(read.received.chars.size(), 253) << c.name;
        EXPECT_EQ(read.received.fullForm, c.fullForm) << c.name;
    }
}

} // namespace
