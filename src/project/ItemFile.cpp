#include "project/ItemFile.h"

#include "platform/SaveFile.h"

#include <QDir>
#include <QFile>

#include <cerrno>

namespace itemfile {
ReadResult read(const QString &path)
{
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly))
        return {{}, platformerror::fromFile(file, errno)};
    errno = 0;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {{}, platformerror::fromFile(file, errno)};
    return {bytes, {}};
}

PlatformError write(const QString &path, const QByteArray &bytes)
{
    return savefile::save(path, bytes);
}

QString shownName(const QString &fileName)
{
    QString name = fileName;
    const QChar separator = QDir::separator();
    for (QChar &c : name) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('/'))
            c = separator;
    }
    return name;
}

QString accessMessage(const QString &fileName, const PlatformError &error, const QString &suffix)
{
    return QStringLiteral("Could not access Resource file ('") + shownName(fileName) +
           QStringLiteral("'):") + error.text() + suffix;
}

} // namespace itemfile
