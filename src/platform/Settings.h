#pragma once

#include <QString>

// The per-user settings store: application "Fendrel", section "Settings".
// A missing key reads as the default the reader supplies; writes go to disk at once.
namespace settings {

QString read(const QString &key, const QString &defaultValue = {});
void write(const QString &key, const QString &value);

} // namespace settings
