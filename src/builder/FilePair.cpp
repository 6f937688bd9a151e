#include "builder/FilePair.h"

#include "project/PathResolve.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace compile {
namespace {

// The path with every link and "." or ".." resolved as far as the path exists,
// so a file that does not exist yet still compares by its real folder.
QString resolved(const QString &path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    if (!canonical.isEmpty())
        return canonical;
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return QDir::cleanPath((folder.isEmpty() ? info.absolutePath() : folder) + QLatin1Char('/') +
                           info.fileName());
}

bool sameInode(const QString &a, const QString &b)
{
    struct stat sa
    {
    };
    struct stat sb
    {
    };
    return ::stat(QFile::encodeName(a).constData(), &sa) == 0 &&
           ::stat(QFile::encodeName(b).constData(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

} // namespace

bool sameFile(const QString &a, const QString &b)
{
    if (a == b)
        return true;
    if (a.isEmpty() || b.isEmpty())
        return false;
    // Compared where each path leads on disk, letter case matched as it is
    // when the files are opened.
    pathresolve::Resolver resolver;
    const QString onDiskA = resolver.resolve(a);
    const QString onDiskB = resolver.resolve(b);
    return onDiskA == onDiskB || resolved(onDiskA) == resolved(onDiskB) ||
           sameInode(onDiskA, onDiskB);
}

} // namespace compile
