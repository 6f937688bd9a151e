#pragma once

#include <QStringList>

class QIODevice;
class QTextStream;

// The k7x commands. Each takes its own arguments (after the command's name) and
// returns the exit status: 0 done, 1 refused input, 2 usage error.
namespace k7xtool {

enum Status { Done = 0, Refused = 1, Usage = 2 };

struct Streams
{
    QTextStream &out;
    QTextStream &err;
    QIODevice *in = nullptr; // standard input; the process's own when null
};

int build(const QStringList &args, Streams io);
int verify(const QStringList &args, Streams io);
int list(const QStringList &args, Streams io);
int extract(const QStringList &args, Streams io);

// Usage text of one command of the command table, or the overview for any
// other name.
QString usage(const QString &command);

} // namespace k7xtool
