#include "project/ItemFile.h"

#include "platform/BoundedRead.h"
#include "platform/SaveFile.h"

#include <QDir>
#include <QFileInfo>

namespace itemfile {
ReadResult read(const QString &path)
{
    boundedread::Result read =
        boundedread::read(path, boundedread::ItemLimit, boundedread::Accept::RegularOnly);
    return {std::move(read.bytes), read.error};
}

bool tooBig(const QByteArray &bytes)
{
    return bytes.size() >= boundedread::ItemLimit;
}

QString tooBigMessage(const QString &fileName)
{
    return QStringLiteral("Resource Item file '...") + shownName(fileName) +
           QStringLiteral("' is too big (>64K bytes)");
}

PlatformError write(const QString &path, const QByteArray &bytes)
{
    return savefile::save(path, bytes);
}

QString writeTarget(const QString &path)
{
    QFileInfo info(path);
    // A loop of links ends where the system would give up.
    for (int hop = 0; hop < 40 && info.isSymLink(); ++hop)
        info.setFile(info.symLinkTarget());
    if (const QString canonical = info.canonicalFilePath(); !canonical.isEmpty())
        return canonical;
    QString rest = info.fileName();
    QFileInfo folder(info.absolutePath());
    while (folder.canonicalFilePath().isEmpty() && !folder.isRoot()) {
        rest = folder.fileName() + QLatin1Char('/') + rest;
        folder.setFile(folder.absolutePath());
    }
    const QString base = folder.canonicalFilePath();
    return QDir::cleanPath((base.isEmpty() ? folder.absoluteFilePath() : base) + QLatin1Char('/') +
                           rest);
}

bool liesOutside(const QString &path, const QString &projectFolder)
{
    QString folder = QFileInfo(projectFolder.isEmpty() ? QStringLiteral(".") : projectFolder)
                         .canonicalFilePath();
    if (folder.isEmpty())
        folder = QDir::cleanPath(QFileInfo(projectFolder).absoluteFilePath());
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return !writeTarget(path).startsWith(folder);
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
