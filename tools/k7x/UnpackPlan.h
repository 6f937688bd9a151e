#pragma once

#include <QString>

#include <optional>
#include <vector>

class ItemTable;

// Where unpack puts each item of a firmware file under the target folder,
// worked out from the names alone, before anything is written.
namespace unpackplan {

struct File
{
    QString path;    // under the target folder, "/" between folders, as written
    qint64 item = 0; // the first item that names it
};

struct Plan
{
    std::vector<QString> folders; // to be made, each after the ones it lies in
    std::vector<File> files;      // one per file, in item order
    // Items that name a file an earlier item names: (item, earlier item).
    std::vector<std::pair<qint64, qint64>> twins;
    QString error; // why the names cannot be unpacked; empty when they can
};

inline constexpr char OriginalName[] = "original.bin";
inline constexpr char ListingName[] = "Resource.k7r";

// The path under the target folder that a project's file name stands for: "\"
// and "/" between folders, empty names and "." skipped, ".." one folder up.
// Nothing when it leads out of the folder or ends in no file name. The
// folders it passes through go to `folders`, outermost first.
std::optional<QString> underFolder(const QString &fileName, std::vector<QString> *folders);

// For `count` items named by the project's table, or by number when `items`
// is null; projectName is where the project file goes.
Plan make(const ItemTable *items, qint64 count, const QString &projectName);

// "item00042.bin".
QString numberedName(qint64 item);
// The project file that lists `count` numbered items, type letter X.
QByteArray listing(qint64 count);

} // namespace unpackplan
