#pragma once

#include <QByteArrayView>

class ItemTable;

// The project file format: 8-bit lines ended by CR LF or a lone CR (a lone LF
// stays inside its line), empty lines skipped and not counted, TAB-separated
// fields 0 full name, 1 file name, 2 help text, 3 type letter, 4 limits text.
namespace projectfile {

struct ParseResult
{
    enum class Failure {
        None,
        InvalidLine, // type letter, full name or file name empty
        NoItems,     // nothing to select after loading
    };
    Failure failure = Failure::None;
    // For InvalidLine: the item number the rejected line would have received.
    qsizetype line = 0;

    bool ok() const { return failure == Failure::None; }
};

// Appends the items of bytes to table, stopping at the first rejected line;
// the items before it stay.
ParseResult parse(QByteArrayView bytes, ItemTable &table);

} // namespace projectfile
