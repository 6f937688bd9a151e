#include "FirmwareItems.h"

#include "builder/K7xReader.h"

#include <QBuffer>
#include <QFile>

FirmwareItems FirmwareItems::load(const QString &path, QString *error)
{
    FirmwareItems result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return result;
    }
    // A FIFO or a device is read as far as its header allows, plus one byte.
    QBuffer buffer;
    bool cut = false;
    if (file.isSequential()) {
        boundedread::Source source(boundedread::WaitForever);
        source.adopt(file.handle());
        k7x::SequentialRead read = k7x::readSequential(source);
        if (read.error.isError()) {
            *error = read.error.description;
            return result;
        }
        cut = read.cut;
        buffer.setData(read.bytes);
        buffer.open(QIODevice::ReadOnly);
    }
    QIODevice &device = file.isSequential() ? static_cast<QIODevice &>(buffer) : file;
    const k7x::Contents contents = k7x::read(device, cut);
    if (!contents.hasHeader) {
        *error = QStringLiteral("no resource area");
        return result;
    }
    // A terminal shows what it holds even from a slightly damaged file; items
    // that lie outside it are simply missing.
    for (const k7x::Fault &fault : contents.faults)
        result.m_warnings << fault.text;
    for (qint64 k = 0; k < contents.itemCount; ++k) {
        const std::optional<QByteArray> item = k7x::readItem(device, contents, k);
        if (!item)
            break;
        result.m_items.push_back(*item);
    }
    return result;
}

std::optional<QByteArray> FirmwareItems::item(qsizetype k) const
{
    if (k < 0 || k >= count())
        return std::nullopt;
    return m_items[static_cast<std::size_t>(k)];
}
