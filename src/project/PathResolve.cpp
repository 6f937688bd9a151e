#include "project/PathResolve.h"

#include <QDir>
#include <QFileInfo>

namespace pathresolve {

QString resolve(const QString &path)
{
    QString normal = path;
    normal.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (normal.isEmpty() || QFileInfo::exists(normal))
        return normal;

    const bool absolute = normal.startsWith(QLatin1Char('/'));
    const QStringList parts = normal.split(QLatin1Char('/'));
    QString resolved = absolute ? QStringLiteral("/") : QString();
    bool matching = true;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString &part = parts[i];
        const bool last = i + 1 == parts.size();
        if (part.isEmpty()) {
            // keep a trailing separator; doubled ones are noise
            if (last && !resolved.isEmpty() && !resolved.endsWith(QLatin1Char('/')))
                resolved += QLatin1Char('/');
            continue;
        }
        QString name = part;
        if (matching && part != QLatin1String(".") && part != QLatin1String("..")) {
            const QString here = resolved.isEmpty() ? QStringLiteral(".") : resolved;
            if (!QFileInfo::exists(resolved + part)) {
                const QStringList entries = QDir(here).entryList(
                    QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDir::Name);
                matching = false;
                for (const QString &entry : entries) {
                    if (entry.compare(part, Qt::CaseInsensitive) == 0) {
                        name = entry;
                        matching = true;
                        break;
                    }
                }
            }
        }
        resolved += name;
        if (!last)
            resolved += QLatin1Char('/');
    }
    return resolved;
}

} // namespace pathresolve
