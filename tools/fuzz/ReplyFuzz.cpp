// libFuzzer target for what the link reads from the wire: the reply scanner,
// the datagram reader, the reply check in both forms and the nibble decoding,
// plus the property that any payload the terminal may send comes back
// unchanged through a frame, on a line and in a datagram.

#include "link/Frame.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));

    frame::ReplyScanner scanner;
    if (scanner.feedAll(bytes) == frame::ReplyScanner::State::Complete)
        for (int address = 0; address < 4; ++address)
            frame::checkReply(scanner.received(), address);
    const frame::DatagramReply datagram = frame::readDatagram(bytes);
    if (datagram.kind == frame::DatagramReply::Kind::Reply)
        frame::checkReply(datagram.received, 1);
    frame::checkReply({bytes, true}, 1);
    frame::checkReply({bytes, false}, 1);
    frame::decodeNibbles(bytes);
    if (frame::decodeNibbles(frame::encodeNibbles(bytes)) != bytes)
        __builtin_trap();

    // A reply carries at least its letter.
    const bool framable = !bytes.isEmpty() && bytes.size() <= 240 && !bytes.contains(frame::STX) &&
                          !bytes.contains(frame::ETX) && !bytes.contains(frame::CR);
    if (framable) {
        for (bool fullForm : {true, false}) {
            const QByteArray wire = frame::buildReply(bytes, 1, fullForm);
            frame::ReplyScanner again;
            if (again.feedAll(wire) != frame::ReplyScanner::State::Complete ||
                frame::checkReply(again.received(), 1) != bytes)
                __builtin_trap();
            const frame::DatagramReply whole = frame::readDatagram(wire);
            if (whole.kind != frame::DatagramReply::Kind::Reply ||
                frame::checkReply(whole.received, 1) != bytes)
                __builtin_trap();
        }
    }
    return 0;
}
