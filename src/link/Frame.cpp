#include "link/Frame.h"

#include <cctype>
#include <cmath>

namespace frame {
namespace {

char addressChar(int address)
{
    return static_cast<char>(48 + address);
}

QByteArray hexByte(unsigned value)
{
    return QByteArray::number(value & 0xFF, 16).rightJustified(2, '0').toUpper();
}

std::optional<unsigned> readHex(QByteArrayView digits)
{
    bool ok = false;
    const unsigned value = digits.toByteArray().toUInt(&ok, 16);
    // toUInt also takes blanks and a "0x" prefix; the field holds hex digits only.
    for (char c : digits)
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return std::nullopt;
    return ok ? std::optional<unsigned>(value) : std::nullopt;
}

unsigned sumOf(QByteArrayView text)
{
    unsigned sum = 0;
    for (char c : text)
        sum += static_cast<unsigned char>(c);
    return sum & 0xFF;
}

} // namespace

QByteArray numberField(double number)
{
    // Half away from zero, as the format routine of the terminal's tools rounds.
    const double rounded = std::isfinite(number) ? std::round(number) : 0.0;
    QByteArray digits = QByteArray::number(std::fabs(rounded), 'f', 0);
    digits = digits.rightJustified(4, '0');
    return rounded < 0 ? '-' + digits : digits;
}

QByteArray encodeNibbles(QByteArrayView bytes)
{
    QByteArray text;
    text.reserve(bytes.size() * 2);
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        text.append(static_cast<char>(0x30 + (b >> 4)));
        text.append(static_cast<char>(0x30 + (b & 0x0F)));
    }
    return text;
}

QByteArray decodeNibbles(QByteArrayView text)
{
    QByteArray bytes;
    bytes.reserve(text.size() / 2);
    for (qsizetype i = 0; i + 1 < text.size(); i += 2) {
        const int high = (static_cast<unsigned char>(text[i]) - 0x30) & 0x0F;
        const int low = (static_cast<unsigned char>(text[i + 1]) - 0x30) & 0x0F;
        bytes.append(static_cast<char>(high << 4 | low));
    }
    return bytes;
}

QByteArray checksumOf(QByteArrayView text)
{
    return hexByte(sumOf(text));
}

std::optional<QByteArray> buildRequest(QByteArrayView commandText, int address)
{
    QByteArray text;
    text.append(addressChar(address)).append(addressChar(address)).append(commandText);
    text.append(checksumOf(text));
    if (text.size() > 255)
        return std::nullopt;
    text.append(hexByte(static_cast<unsigned>(text.size())));
    return STX + text + ETX;
}

ReplyScanner::State ReplyScanner::feed(char ch)
{
    if (m_state != State::Collecting)
        return m_state;
    if (m_count >= MaxReceived)
        return m_state = State::Overflow;
    ++m_count;
    if (ch == STX) {
        m_started = true;
        m_received.chars.clear();
    } else if (!m_started) {
        // noise before the reply
    } else if (ch == ETX || ch == CR) {
        m_received.fullForm = ch == ETX;
        m_state = State::Complete;
    } else {
        m_received.chars.append(ch);
    }
    return m_state;
}

ReplyScanner::State ReplyScanner::feedAll(QByteArrayView bytes)
{
    for (char ch : bytes)
        if (feed(ch) != State::Collecting)
            break;
    return m_state;
}

DatagramReply readDatagram(QByteArrayView datagram)
{
    // Anything before the STX makes it no reply at all, however long it is.
    if (datagram.size() < 2 || datagram.front() != STX)
        return {};
    if (datagram.size() > MaxReceived)
        return {DatagramReply::Kind::TooLong, {}};
    const char last = datagram.back();
    if (last != ETX && last != CR)
        return {}; // cut short
    return {DatagramReply::Kind::Reply,
            {datagram.sliced(1, datagram.size() - 2).toByteArray(), last == ETX}};
}

std::optional<QByteArray> checkReply(const Received &reply, int address)
{
    const QByteArray &s = reply.chars;
    const qsizetype minimum = reply.fullForm ? 7 : 3;
    if (s.size() < minimum || s[0] != '1' || s[1] != addressChar(address))
        return std::nullopt;
    if (!reply.fullForm)
        return s.mid(2);
    const qsizetype checksumAt = s.size() - 4;
    const auto checksum = readHex(QByteArrayView(s).sliced(checksumAt, 2));
    const auto length = readHex(QByteArrayView(s).sliced(checksumAt + 2, 2));
    if (!checksum || *checksum != sumOf(QByteArrayView(s).first(checksumAt)))
        return std::nullopt;
    if (!length || *length != static_cast<unsigned>(checksumAt + 2))
        return std::nullopt;
    return s.mid(2, checksumAt - 2);
}

QByteArray buildReply(QByteArrayView payload, int address, bool fullForm)
{
    QByteArray text;
    text.append('1').append(addressChar(address)).append(payload);
    if (!fullForm)
        return STX + text + CR;
    text.append(checksumOf(text));
    text.append(hexByte(static_cast<unsigned>(text.size())));
    return STX + text + ETX;
}

} // namespace frame
