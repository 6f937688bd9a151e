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

namespace {

QString quoted(const QString &path)
{
    return QLatin1Char('\'') + QDir::toNativeSeparators(path) + QLatin1Char('\'');
}

} // namespace

QString folderFailureText(const QString &folder, const PlatformError &error)
{
    return QStringLiteral("Could not create the folder ") + quoted(folder) + QLatin1Char(':') +
           error.text();
}

QString CopyOutcome::failureText() const
{
    if (source.isEmpty())
        return folderFailureText(target, error);
    return QStringLiteral("Could not copy ") + quoted(source) + QStringLiteral(" to ") +
           quoted(target) + QLatin1Char(':') + error.text();
}

bool acceptsNewFolders(const QString &folder)
{
    const QFileInfo info(folder);
    return info.isDir() && info.isWritable() && info.isExecutable();
}

QString proposedBase(const QString &programFolder, const QString &lastProject, const QString &home)
{
    if (acceptsNewFolders(programFolder))
        return programFolder;
    if (!lastProject.isEmpty()) {
        const QFileInfo last(lastProject);
        const QString projectFolder = last.isDir() ? last.absoluteFilePath() : last.absolutePath();
        const QString holder = QFileInfo(projectFolder).absolutePath();
        if (acceptsNewFolders(holder))
            return holder;
    }
    return home;
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
    const QString projectSource = from + QStringLiteral("/Resource.k7r");
    const QString projectTarget = folder + QLatin1Char('/') + name + QStringLiteral(".k7r");
    if (PlatformError e = copyFile(projectSource, projectTarget); e.isError())
        return {Stage::ProjectFile, e, projectSource, projectTarget};

    for (const QString &sub : kSubfolders) {
        const QString target = folder + QLatin1Char('/') + sub;
        if (PlatformError e = createFolder(target); e.isError())
            return {Stage::Subfolders, e, {}, target};
        // plain files only: no folders, no hidden files, no links or devices
        const QDir source(from + QLatin1Char('/') + sub);
        const QStringList files = source.entryList(QDir::Files | QDir::NoSymLinks, QDir::Name);
        for (const QString &file : files) {
            const QString to = target + QLatin1Char('/') + file;
            if (PlatformError e = copyFile(source.filePath(file), to); e.isError())
                return {Stage::Subfolders, e, source.filePath(file), to};
        }
    }
    return {};
}

} // namespace newproject
