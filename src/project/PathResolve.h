#pragma once

#include <QString>

// Item file names in project files use "\" between folders and were made on a
// file system that ignores letter case. Here both "\" and "/" separate, and a
// path that does not exist as written is matched component by component
// without regard to case.
namespace pathresolve {

// The path with "/" separators; each component that does not exist as written
// takes the spelling of its case-insensitive match (the first in name order
// when there are several). Components after the first
// one that matches nothing stay as written, so a new file can be created.
QString resolve(const QString &path);

} // namespace pathresolve
