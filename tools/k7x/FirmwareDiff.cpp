#include "FirmwareDiff.h"

#include <QBuffer>
#include <QFile>

#include <algorithm>

namespace firmwarediff {
namespace {

constexpr qint64 BlockSize = 1 << 20;

std::optional<QByteArray> readAt(QIODevice &device, qint64 offset, qint64 size)
{
    if (!device.seek(offset))
        return std::nullopt;
    QByteArray bytes = device.read(size);
    if (bytes.size() != size)
        return std::nullopt;
    return bytes;
}

} // namespace

ItemStream::ItemStream(QIODevice &device, const k7x::Contents &contents)
    : m_device(device), m_contents(contents)
{
    const qint64 size = contents.dataSize;
    if (size <= 0)
        return;
    if (auto *buffer = qobject_cast<QBuffer *>(&device)) {
        if (buffer->data().size() >= contents.dataOffset + size)
            m_whole = QByteArrayView(buffer->data()).sliced(contents.dataOffset, size);
    } else if (auto *file = qobject_cast<QFile *>(&device); file && !file->isSequential()) {
        if (const uchar *mapped = file->map(contents.dataOffset, size))
            m_whole = QByteArrayView(reinterpret_cast<const char *>(mapped), size);
    }
}

std::optional<QByteArrayView> ItemStream::item(qint64 k)
{
    const k7x::Entry &entry = m_contents.entries[static_cast<std::size_t>(k)];
    if (!m_whole.isNull())
        return m_whole.sliced(entry.offset, entry.length);
    const qint64 start = entry.offset;
    const qint64 end = start + entry.length;
    if (start < m_blockStart || end > m_blockStart + m_block.size()) {
        const qint64 size =
            std::min(std::max<qint64>(BlockSize, entry.length), m_contents.dataSize - start);
        std::optional<QByteArray> block = readAt(m_device, m_contents.dataOffset + start, size);
        if (!block)
            return std::nullopt;
        m_block = std::move(*block);
        m_blockStart = start;
    }
    return QByteArrayView(m_block).sliced(start - m_blockStart, entry.length);
}

Result compare(QIODevice &a, const k7x::Contents &contentsA, QIODevice &b,
               const k7x::Contents &contentsB)
{
    Result result;
    const std::optional<QByteArray> imageA = readAt(a, 0, k7x::ImageSize);
    const std::optional<QByteArray> imageB = readAt(b, 0, k7x::ImageSize);
    if (!imageA || !imageB) {
        result.unreadable = true;
        return result;
    }
    for (qint64 i = 0; i < k7x::ImageSize; ++i) {
        if (imageA->at(i) == imageB->at(i))
            continue;
        if (result.imageBytes++ == 0)
            result.firstImage = i;
    }
    result.labelChanged = contentsA.label != contentsB.label;

    const qint64 countA = qint64(contentsA.entries.size());
    const qint64 countB = qint64(contentsB.entries.size());
    ItemStream itemsA(a, contentsA);
    ItemStream itemsB(b, contentsB);
    for (qint64 k = 0; k < std::min(countA, countB); ++k) {
        const qint64 sizeA = contentsA.entries[std::size_t(k)].length;
        const qint64 sizeB = contentsB.entries[std::size_t(k)].length;
        if (sizeA == sizeB) {
            const std::optional<QByteArrayView> bytesA = itemsA.item(k);
            const std::optional<QByteArrayView> bytesB = itemsB.item(k);
            if (!bytesA || !bytesB) {
                result.unreadable = true;
                return result;
            }
            if (*bytesA == *bytesB)
                continue;
        }
        result.items.push_back({k, ItemChange::Kind::Changed, sizeA, sizeB});
    }
    for (qint64 k = countB; k < countA; ++k)
        result.items.push_back(
            {k, ItemChange::Kind::Removed, contentsA.entries[std::size_t(k)].length, 0});
    for (qint64 k = countA; k < countB; ++k)
        result.items.push_back(
            {k, ItemChange::Kind::Added, 0, contentsB.entries[std::size_t(k)].length});
    result.checksumChanged = contentsA.storedChecksum != contentsB.storedChecksum;
    return result;
}

} // namespace firmwarediff
