// libFuzzer target for the extended firmware reader; scripts/fuzz-builder builds
// and runs it. The input is the resource area after a fixed image. Whatever the
// header claims, the reader stays inside the file, and a file it finds no fault
// in is exactly what the writer makes of its items and label.
#include "builder/K7xLayout.h"
#include "builder/K7xReader.h"
#include "builder/K7xWriter.h"

#include <QBuffer>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray file(k7x::ImageSize, '\x5a');
    file.append(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    QBuffer in(&file);
    in.open(QIODevice::ReadOnly);
    const k7x::Contents contents = k7x::read(in);

    if (qint64(contents.entries.size()) > contents.itemCount)
        std::abort();
    std::vector<QByteArray> items;
    for (qint64 k = 0; k < qint64(contents.entries.size()); ++k) {
        const std::optional<QByteArray> bytes = k7x::readItem(in, contents, k);
        if (bytes.has_value() != contents.itemInside(k))
            std::abort();
        if (bytes && bytes->size() != contents.entries[std::size_t(k)].length)
            std::abort();
        if (bytes)
            items.push_back(*bytes);
    }
    if (!contents.ok())
        return 0;

    k7x::JumpTable table;
    for (const QByteArray &item : items)
        if (table.add(item.size()) != k7x::JumpTable::Added::Ok)
            std::abort();
    QByteArray rebuilt;
    QBuffer out(&rebuilt);
    out.open(QIODevice::WriteOnly);
    k7x::Writer writer(out);
    bool written = writer.writeImage(QByteArrayView(file).first(k7x::ImageSize)) &&
                   writer.writeHeader(table, contents.label);
    for (const QByteArray &item : items)
        written = written && writer.writeData(item);
    if (!written || !writer.writeChecksum() || rebuilt != file)
        std::abort();
    return 0;
}
