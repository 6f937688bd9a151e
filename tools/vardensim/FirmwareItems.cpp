#include "FirmwareItems.h"

#include <QFile>

namespace {

constexpr qsizetype ResourceArea = 0x10000;
constexpr qsizetype CountAt = ResourceArea + 0x16;
constexpr qsizetype JumpTableAt = ResourceArea + 0x18;

quint32 bigEndian(const QByteArray &bytes, qsizetype at, int size)
{
    quint32 value = 0;
    for (int i = 0; i < size; ++i)
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

} // namespace

FirmwareItems FirmwareItems::load(const QString &path, QString *error)
{
    FirmwareItems result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return result;
    }
    const QByteArray bytes = file.readAll();
    if (bytes.size() < JumpTableAt) {
        *error = QStringLiteral("no resource area (file of %1 bytes)").arg(bytes.size());
        return result;
    }
    const qsizetype count = bigEndian(bytes, CountAt, 2);
    const qsizetype dataAt = JumpTableAt + 8 * count;
    if (bytes.size() < dataAt) {
        *error = QStringLiteral("jump table cut short");
        return result;
    }
    for (qsizetype k = 0; k < count; ++k) {
        const qsizetype entry = JumpTableAt + 8 * k;
        const qsizetype offset = bigEndian(bytes, entry, 4);
        const qsizetype length = bigEndian(bytes, entry + 4, 2);
        if (dataAt + offset + length > bytes.size()) {
            *error = QStringLiteral("item %1 lies beyond the end of the file").arg(k);
            result.m_items.clear();
            return result;
        }
        result.m_items.push_back(bytes.mid(dataAt + offset, length));
    }
    return result;
}

std::optional<QByteArray> FirmwareItems::item(qsizetype k) const
{
    if (k < 0 || k >= count())
        return std::nullopt;
    return m_items[static_cast<std::size_t>(k)];
}
