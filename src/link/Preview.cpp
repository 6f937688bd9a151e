#include "link/Preview.h"

#include "link/Frame.h"

namespace preview {

std::vector<Block> blocks(const QByteArray &file)
{
    std::vector<Block> list;
    list.reserve(static_cast<std::size_t>((file.size() + BlockSize - 1) / BlockSize));
    for (qsizetype offset = 0; offset < file.size(); offset += BlockSize)
        list.push_back({static_cast<int>(offset), file.mid(offset, BlockSize)});
    return list;
}

CommandOutcome run(Transport &transport, const QByteArray &file)
{
    if (file.size() > MaxBytes)
        return {-1, QStringLiteral("Resource is too big"), {}, {}};
    if (file.isEmpty())
        return {-1, QStringLiteral("The Resource file is empty"), {}, {}};
    for (const Block &block : blocks(file)) {
        CommandOutcome out = command::send(transport, "DL", Address, block.offset,
                                           frame::encodeNibbles(block.bytes));
        if (out.result != 0)
            return out;
    }
    return command::send(transport, "DS", Address, 0);
}

} // namespace preview
