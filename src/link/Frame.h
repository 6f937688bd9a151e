#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <optional>

// Request and reply frames of the terminal protocol: STX, two address
// characters, the command text, a checksum and a length in hex, ETX.
namespace frame {

constexpr char STX = 0x02;
constexpr char ETX = 0x03;
constexpr char CR = 0x0D;

// The longest reply the receivers collect, noise before the STX included.
constexpr int MaxReceived = 255;

// "0000" style: rounded to a whole number, at least four digits.
QByteArray numberField(double number);

// Each byte as two characters, high nibble first, nibble n as code 0x30 + n.
// Not hex: 0xAF becomes ":?".
QByteArray encodeNibbles(QByteArrayView bytes);
QByteArray decodeNibbles(QByteArrayView text); // the terminal's side, for the simulator

// The two hex digits of the low byte of the sum of the character codes.
QByteArray checksumOf(QByteArrayView text);

// STX + address twice + text + checksum + length + ETX, or nothing when the
// counted characters would not fit the two-digit length field.
std::optional<QByteArray> buildRequest(QByteArrayView commandText, int address);

// What a receiver hands to the reply check: the characters between the STX and
// the terminator, and which terminator it was.
struct Received
{
    QByteArray chars;
    bool fullForm = true; // ended by ETX; false: ended by CR
};

// Collects a reply one character at a time: anything before the first STX is
// ignored, a further STX starts the reply again, ETX or CR completes it.
class ReplyScanner
{
public:
    enum class State { Collecting, Complete, Overflow };

    State feed(char ch);
    State feedAll(QByteArrayView bytes);
    State state() const { return m_state; }
    const Received &received() const { return m_received; }

private:
    State m_state = State::Collecting;
    int m_count = 0;
    bool m_started = false;
    Received m_received;
};

// A reply over UDP is one whole datagram, built by the terminal's own software:
// STX first, ETX (full form) or CR (short form) last. Unlike a serial line,
// nothing can creep in before the STX, so a datagram that does not start with
// it is no reply.
struct DatagramReply
{
    enum class Kind { Reply, TooLong, NotAFrame };
    Kind kind = Kind::NotAFrame;
    Received received; // valid for Kind::Reply
};
DatagramReply readDatagram(QByteArrayView datagram);

// The payload of a well-formed reply for this address, or nothing.
std::optional<QByteArray> checkReply(const Received &reply, int address);

// The terminal's side: the frame for a reply payload, in full or short form.
QByteArray buildReply(QByteArrayView payload, int address, bool fullForm = true);

} // namespace frame
