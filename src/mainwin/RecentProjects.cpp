#include "mainwin/RecentProjects.h"

#include "platform/Settings.h"

namespace recentprojects {
namespace {

QString key(int number)
{
    return QStringLiteral("RecentProject%1").arg(number);
}

void write(Settings &settings, const QStringList &files)
{
    // Every key is written, so a shorter list leaves no stale entry behind.
    for (int k = 0; k < kCount; ++k)
        settings.write(key(k + 1), k < files.size() ? files[k] : QString());
}

} // namespace

QStringList read(const Settings &settings)
{
    QStringList files;
    for (int k = 1; k <= kCount; ++k) {
        const QString file = settings.read(key(k));
        if (!file.isEmpty() && !files.contains(file))
            files << file;
    }
    return files;
}

void add(Settings &settings, const QString &projectFile)
{
    QStringList files = read(settings);
    files.removeAll(projectFile);
    files.prepend(projectFile);
    write(settings, files.mid(0, kCount));
}

void remove(Settings &settings, const QString &projectFile)
{
    QStringList files = read(settings);
    if (files.removeAll(projectFile) > 0)
        write(settings, files);
}

} // namespace recentprojects
