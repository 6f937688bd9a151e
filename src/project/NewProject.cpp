#include "project/NewProject.h"

#include "platform/SaveFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <sys/stat.h>

namespace newproject {

QString templateFolder(const QString &programFolder)
{
    const QString beside = programFolder + QStringLiteral("/Project_Default");
    // FENDREL_DATA_FROM_BIN (cmake/FendrelInstall.cmake): the installed data folder
    // relative to the program's.
    const QString installed = QDir::cleanPath(
        programFolder + QStringLiteral("/" FENDREL_DATA_FROM_BIN "/Project_Default"));
    if (!QFileInfo(beside).isDir() && QFileInfo(installed).isDir())
        return installed;
    return beside;
}

PlatformError createFolder(const QString &path)
{
    const QByteArray native = QFile::encodeName(path);
    if (::mkdir(native.constData(), 0777) == 0)
        return {};
    switch (errno) {
    case EEXIST:
        return {}; // 75: an existing folder is used as it is
    case ENOENT:
    case ENOTDIR:
    case EINVAL:
    case ENAMETOOLONG:
        return platformerror::make(platformerror::PathNotFound);
    default:
        return platformerror::fromErrno(errno);
    }
}

PlatformError copyFile(const QString &source, const QString &target)
{
    QFile in(source);
    errno = 0;
    if (!in.open(QIODevice::ReadOnly))
        return platformerror::fromFile(in, errno);
    const QByteArray bytes = in.readAll();
    if (in.error() != QFileDevice::NoError)
        return platformerror::fromFile(in, errno);

    return savefile::save(target, bytes);
}

CopyOutcome copyTemplate(const QString &programFolder, const QString &folder, const QString &name)
{
    using Stage = CopyOutcome::Stage;
    const QString from = templateFolder(programFolder);
    if (PlatformError e = copyFile(from + QStringLiteral("/Resource.k7r"),
                                   folder + QLatin1Char('/') + name + QStringLiteral(".k7r"));
        e.isError())
        return {Stage::ProjectFile, e};

    for (const QString &sub : kSubfolders) {
        const QString target = folder + QLatin1Char('/') + sub;
        if (PlatformError e = createFolder(target); e.isError())
            return {Stage::Subfolders, e};
        // plain files only: no folders, no hidden files, no links or devices
        const QDir source(from + QLatin1Char('/') + sub);
        const QStringList files = source.entryList(QDir::Files | QDir::NoSymLinks, QDir::Name);
        for (const QString &file : files) {
            if (PlatformError e = copyFile(source.filePath(file), target + QLatin1Char('/') + file);
                e.isError())
                return {Stage::Subfolders, e};
        }
    }
    return {};
}

} // namespace newproject
