#pragma once

#include "Commands.h"
#include "builder/K7xReader.h"
#include "platform/PlatformError.h"

#include <QBuffer>
#include <QFile>
#include <QString>

// Where the commands read and write. "-" names standard input for an input and
// standard output for an output.
namespace k7xtool {

// An input read in order from its start: a file, a FIFO, a pipe (/dev/stdin, a
// process substitution) or standard input. What cannot seek is read into
// memory first, so the firmware reader may seek in it, up to what its header
// allows plus one byte.
class Input
{
public:
    // The reason on failure, in the run-time numbering. standardInput stands
    // for the process's standard input when given.
    PlatformError open(const QString &path, QIODevice *standardInput = nullptr);
    QIODevice &device();
    // The input went on past what its header allows; device() has its start.
    bool cut() const { return m_cut; }

private:
    PlatformError readWhole(QIODevice &from);

    QFile m_file;
    QBuffer m_buffer;
    bool m_cut = false;
};

// The path that the compile and the save procedure take for an argument:
// "-" becomes /dev/stdin for an input, /dev/stdout for an output.
QString inputPath(const QString &argument);
QString outputPath(const QString &argument);
bool isStandardStream(const QString &argument);

// A path as messages show it: with this system's separators.
QString shown(const QString &path);
// "0x0001F", upper-case digits, at least `digits` of them.
QString hex(qint64 value, int digits);

// An extended firmware file opened and read.
struct Opened
{
    Input input;
    k7x::Contents contents;
};

// False, with the reason on standard error, when the file cannot be read.
bool open(Opened &opened, const QString &path, Streams io);

} // namespace k7xtool
