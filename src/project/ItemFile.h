#pragma once

#include "platform/PlatformError.h"

#include <QByteArray>
#include <QString>

// Reading and writing the one file that belongs to each resource item. The
// editors, the compile and the terminal preview all go through here.
namespace itemfile {

struct ReadResult
{
    QByteArray bytes;
    PlatformError error; // number 0 when the read succeeded

    bool ok() const { return !error.isError(); }
};

// Every byte of the file, in order. A missing file fails before anything else.
ReadResult read(const QString &path);

// Replaces the file's contents with exactly these bytes, creating it when
// missing. The write is atomic: on failure the old file stays as it was.
PlatformError write(const QString &path, const QByteArray &bytes);

// An item's file name as the item table holds it ("\\" between folders),
// shown with this system's separator.
QString shownName(const QString &fileName);

// "Could not access Resource file ('name'): 53: File not found" + suffix, where
// name is the file name as the item table gives it.
QString accessMessage(const QString &fileName, const PlatformError &error,
                      const QString &suffix = {});

} // namespace itemfile
