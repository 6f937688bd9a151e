#pragma once

#include "builder/K7xReader.h"

#include <QByteArray>
#include <QByteArrayView>

#include <optional>
#include <vector>

class QIODevice;

// What differs between two extended firmware files that both verify: the
// firmware image, the label, the items (by number) and the checksum.
namespace firmwarediff {

struct ItemChange
{
    enum class Kind { Added, Removed, Changed };
    qint64 item = 0;
    Kind kind = Kind::Changed;
    qint64 sizeA = 0; // 0 for an added item
    qint64 sizeB = 0; // 0 for a removed item
};

struct Result
{
    qint64 imageBytes = 0;  // how many bytes of the 64 KiB image differ
    qint64 firstImage = -1; // the offset of the first of them
    bool labelChanged = false;
    std::vector<ItemChange> items;
    bool checksumChanged = false;
    bool unreadable = false; // a device failed to deliver what it holds

    bool same() const
    {
        return imageBytes == 0 && !labelChanged && items.empty() && !checksumChanged;
    }
};

Result compare(QIODevice &a, const k7x::Contents &contentsA, QIODevice &b,
               const k7x::Contents &contentsB);

// The items of a verified file, in order: straight from the file's pages when
// it can be mapped (or from memory when it was read whole), else read from
// the data area a large block at a time.
class ItemStream
{
public:
    ItemStream(QIODevice &device, const k7x::Contents &contents);
    // The bytes of item k, k counting up from 0 one by one; nothing when the
    // device fails.
    std::optional<QByteArrayView> item(qint64 k);

private:
    QIODevice &m_device;
    const k7x::Contents &m_contents;
    QByteArrayView m_whole; // the data area, when mapped or in memory
    QByteArray m_block;
    qint64 m_blockStart = 0; // data offset of the block's first byte
};

} // namespace firmwarediff
