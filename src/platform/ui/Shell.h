#pragma once

#include <QString>

// The desktop shell's "Open" verb for a web page or a document. The result is
// deliberately not reported: callers ignore it.
namespace shell {
void open(const QString &urlOrPath);
}
