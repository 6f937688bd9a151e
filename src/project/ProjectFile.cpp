#include "project/ProjectFile.h"

#include "project/FieldSplit.h"
#include "project/ItemTable.h"

#include <cstring>

namespace projectfile {
namespace {

struct Span
{
    const char *data;
    qsizetype size;
};

Span field(const char *line, qsizetype size, int n)
{
    const auto [start, end] = textfields::fieldBounds(line, size, '\t', n);
    if (start < 0)
        return {line, 0};
    return {line + start, end - start};
}

qsizetype countLineEnds(const char *data, qsizetype size)
{
    qsizetype count = 0;
    const char *end = data + size;
    for (const char *p = data; p < end; ++p) {
        p = static_cast<const char *>(std::memchr(p, '\r', static_cast<std::size_t>(end - p)));
        if (!p)
            break;
        ++count;
    }
    return count;
}

} // namespace

ParseResult parse(QByteArrayView bytes, ItemTable &table)
{
    const char *data = bytes.data();
    const qsizetype size = bytes.size();
    // One pass over the line ends sizes the table once instead of growing it.
    table.reserve(table.count() + countLineEnds(data, size) + 1, size);

    ParseResult result;
    qsizetype accepted = 0;
    qsizetype pos = 0;
    while (pos < size) {
        const void *cr = std::memchr(data + pos, '\r', static_cast<std::size_t>(size - pos));
        const qsizetype lineEnd = cr ? static_cast<const char *>(cr) - data : size;
        const char *line = data + pos;
        const qsizetype lineSize = lineEnd - pos;
        pos = lineEnd + 1;
        if (pos < size && cr && data[pos] == '\n')
            ++pos;
        if (lineSize == 0)
            continue;

        const Span type = field(line, lineSize, 3);
        const Span fullName = field(line, lineSize, 0);
        const Span fileName = field(line, lineSize, 1);
        if (type.size == 0 || fullName.size == 0 || fileName.size == 0) {
            result.failure = ParseResult::Failure::InvalidLine;
            result.line = accepted;
            return result;
        }
        const Span help = field(line, lineSize, 2);
        const Span limits = field(line, lineSize, 4);
        table.appendRaw(type.data, type.size, fullName.data, fullName.size, fileName.data,
                        fileName.size, help.data, help.size, limits.data, limits.size);
        ++accepted;
    }
    if (table.isEmpty())
        result.failure = ParseResult::Failure::NoItems;
    return result;
}

} // namespace projectfile
