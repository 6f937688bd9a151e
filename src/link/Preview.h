#pragma once

#include "link/CommandLayer.h"

#include <QByteArray>

#include <vector>

// Sending a graphic item file to the terminal's display: DL blocks, then DS.
namespace preview {

constexpr int MaxBytes = 1027;
constexpr int BlockSize = 120;
constexpr int Address = 1;

struct Block
{
    int offset = 0;
    QByteArray bytes;
};

// The file's bytes in blocks of BlockSize, the last one holding the rest.
std::vector<Block> blocks(const QByteArray &file);

// Sends the blocks and then DS, stopping at the first command that does not
// succeed. Files too big or empty are refused before anything is sent. The
// outcome carries the one message the user should see, if any.
CommandOutcome run(Transport &transport, const QByteArray &file);

} // namespace preview
