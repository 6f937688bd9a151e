#pragma once

#include "platform/PlatformError.h"
#include "project/ProjectFile.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QFile>
#include <QString>

class ItemTable;

// Reading a project file into an item table, for the editor and for the
// command-line tools alike; failures come back as values with the text the
// user is shown.
namespace projectload {

// The project file's bytes, mapped when the system allows it so that a huge
// project is not held twice while the table is built. Pipes, FIFOs and
// devices are read to their end; more than 32 MB is refused, so that an
// endless input costs no more.
class ProjectBytes
{
public:
    PlatformError open(const QString &path);
    QByteArrayView bytes() const { return m_view; }

private:
    QFile m_file;
    uchar *m_mapped = nullptr;
    QByteArray m_copy;
    QByteArrayView m_view;
};

// The failure shown when a project file lists no item to select.
PlatformError noItemsError();
// The failure of a project file larger than a project may be (32 MB).
PlatformError tooBigError();

// "Invalid Project File Data at line N" or the no-items text; empty when the
// parse succeeded.
QString failureText(const projectfile::ParseResult &result);

struct Result
{
    QString error; // empty when the project was read

    bool ok() const { return error.isEmpty(); }
};

// Reads path and appends its items to table. A failure to read leaves the
// table as it was; a rejected line keeps the items before it.
Result load(const QString &path, ItemTable &table);

} // namespace projectload
