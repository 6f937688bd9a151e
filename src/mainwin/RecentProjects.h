#pragma once

#include <QString>
#include <QStringList>

class Settings;

// The project files opened last, newest first, as the settings keep them
// ("RecentProject1" to "RecentProject8").
namespace recentprojects {

inline constexpr int kCount = 8;

QStringList read(const Settings &settings);
// The file goes to the top; the oldest beyond the eighth drops off.
void add(Settings &settings, const QString &projectFile);
void remove(Settings &settings, const QString &projectFile);

} // namespace recentprojects
