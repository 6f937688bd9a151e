#include "Terminal.h"

#include "GraphicArt.h"
#include "link/Frame.h"
#include "link/FrameText.h"

#include <QDateTime>

QString logLine(const char *direction, const QByteArray &bytes)
{
    return frametext::line(QDateTime::currentMSecsSinceEpoch(), QString::fromLatin1(direction),
                           bytes);
}

Terminal::Terminal(int address, FirmwareItems items, bool haveFirmware, Faults faults)
    : m_address(address), m_items(std::move(items)), m_haveFirmware(haveFirmware),
      m_faults(std::move(faults))
{
}

bool Terminal::faultsApply() const
{
    return m_requests >= m_faults.from &&
           (m_faults.count < 0 || m_requests < m_faults.from + m_faults.count);
}

QByteArray Terminal::payloadFor(const QByteArray &text)
{
    const QByteArray command = text.left(2);
    if (command == "DV") {
        const qsizetype k = text.mid(2).toLongLong();
        if (!m_haveFirmware) {
            print(QStringLiteral("showing item %1").arg(k));
            return "A";
        }
        const std::optional<QByteArray> item = m_items.item(k);
        if (!item) {
            print(QStringLiteral("no item %1 (the firmware holds %2)").arg(k).arg(m_items.count()));
            return "N";
        }
        print(QStringLiteral("showing item %1 (%2 bytes)").arg(k).arg(item->size()));
        if (graphicart::isGraphic(*item))
            print(graphicart::text(*item));
        return "A";
    }
    if (command == "DL" && text.size() >= 6) {
        bool ok = false;
        const qsizetype offset = text.mid(2, 4).toLongLong(&ok);
        if (!ok || offset < 0)
            return "I";
        const QByteArray bytes = frame::decodeNibbles(text.mid(6));
        if (offset == 0)
            m_graphic.clear();
        if (m_graphic.size() < offset + bytes.size())
            m_graphic.resize(offset + bytes.size(), 0);
        m_graphic.replace(offset, bytes.size(), bytes);
        print(QStringLiteral("loaded %1 bytes at %2").arg(bytes.size()).arg(offset));
        return "A";
    }
    if (command == "DS" && text.size() == 2) {
        print(QStringLiteral("showing the loaded graphic (%1 bytes)").arg(m_graphic.size()));
        print(graphicart::text(m_graphic));
        if (!pngPath.isEmpty() && !graphicart::writePng(m_graphic, pngPath, 4))
            print(QStringLiteral("could not write %1").arg(pngPath));
        return "A";
    }
    return "I";
}

Terminal::Response Terminal::respond(const QByteArray &chars)
{
    ++m_requests;
    const QByteArray addressChars(2, static_cast<char>(48 + m_address));
    Response response;
    QByteArray payload;
    const bool framed = chars.size() >= 6 && chars.startsWith(addressChars);
    const QByteArray body = chars.left(chars.size() - 2);
    if (!framed ||
        frame::checksumOf(body.left(body.size() - 2)) != chars.mid(chars.size() - 4, 2).toUpper() ||
        chars.right(2).toUInt(nullptr, 16) != static_cast<unsigned>(chars.size() - 2)) {
        // Requests for another address go unanswered, as on a shared line.
        if (!chars.startsWith(addressChars) && chars.size() >= 2)
            return response;
        payload = "C";
    } else {
        payload = payloadFor(chars.mid(2, chars.size() - 6));
    }

    if (!faultsApply()) {
        response.wire = frame::buildReply(payload, m_address);
        return response;
    }
    if (m_faults.drop) {
        print(QStringLiteral("reply dropped"));
        return response;
    }
    if (m_faults.answer)
        payload = QByteArray(1, m_faults.answer);
    QByteArray wire = frame::buildReply(payload, m_address, !m_faults.shortForm);
    if (!m_faults.shortForm) {
        // wire: STX, text, checksum (2), length (2), ETX
        if (m_faults.badChecksum)
            wire[wire.size() - 5] = wire[wire.size() - 5] == '0' ? '1' : '0';
        if (m_faults.badLength)
            wire[wire.size() - 2] = static_cast<char>(wire[wire.size() - 2] + 1);
    }
    if (m_faults.cut) {
        wire.truncate(wire.size() / 2);
        response.vanish = true;
    }
    response.wire = m_faults.noise + wire;
    response.delayMs = m_faults.delayMs;
    response.otherPort = m_faults.otherPort;
    return response;
}
