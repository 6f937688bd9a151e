#pragma once

#include <QString>

namespace compile {

// Whether two paths name the same file: the same text, the same path once letter
// case is matched and links and "." / ".." are resolved, or the same file on
// disk (a hard link).
bool sameFile(const QString &a, const QString &b);

} // namespace compile
