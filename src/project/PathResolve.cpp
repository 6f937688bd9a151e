#include "project/PathResolve.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pathresolve {
namespace {

bool isFolder(const QString &path)
{
    struct stat info
    {
    };
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool isDotOrDotDot(const QString &name)
{
    return name == QLatin1String(".") || name == QLatin1String("..");
}

} // namespace

std::optional<QStringList> listFolder(const QString &folder)
{
    DIR *dir = ::opendir(folder.isEmpty() ? "." : QFile::encodeName(folder).constData());
    if (!dir)
        return std::nullopt;
    QStringList names;
    while (const dirent *entry = ::readdir(dir)) {
        const char *name = entry->d_name;
        if (name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0')))
            continue;
        names.append(QFile::decodeName(name));
    }
    ::closedir(dir);
    return names;
}

QString withSlashes(const QString &path)
{
    QString slashed = path;
    slashed.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return slashed;
}

Resolver::Resolver() : m_lister(listFolder) {}

Resolver::Resolver(Lister lister) : m_lister(std::move(lister)) {}

QString Resolver::resolve(const QString &path)
{
    if (path.isEmpty())
        return path;
    return tryPath(path,
                   [](const QByteArray &encoded) {
                       const int fd = ::open(encoded.constData(), O_PATH | O_CLOEXEC);
                       if (fd < 0)
                           return errno;
                       ::close(fd);
                       return 0;
                   })
        .path;
}

QString Resolver::match(const QString &path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const Folder where = folder(path.left(slash + 1));
    const QString name = path.mid(slash + 1);
    if (!where.found || name.isEmpty() || isDotOrDotDot(name))
        return where.path + name;
    const QString onDisk = index(where.path).match(name);
    return where.path + (onDisk.isEmpty() ? name : onDisk);
}

// written is empty or ends in "/"; the answer is kept for every later path in
// the same folder.
Resolver::Folder Resolver::folder(const QString &written)
{
    if (written.isEmpty() || written == QLatin1String("/"))
        return {written, true};
    if (const auto known = m_folders.constFind(written); known != m_folders.cend())
        return *known;

    const qsizetype cut = written.lastIndexOf(QLatin1Char('/'), written.size() - 2);
    const Folder parent = folder(written.left(cut + 1));
    const QString name = written.mid(cut + 1, written.size() - cut - 2);
    Folder result;
    if (name.isEmpty()) // a doubled separator
        result = parent;
    else if (!parent.found || isDotOrDotDot(name) || isFolder(parent.path + name))
        result = {parent.path + name + QLatin1Char('/'), parent.found};
    else if (const QString onDisk = index(parent.path).match(name); !onDisk.isEmpty())
        result = {parent.path + onDisk + QLatin1Char('/'), true};
    else
        result = {parent.path + name + QLatin1Char('/'), false};
    m_folders.insert(written, result);
    return result;
}

const FolderIndex &Resolver::index(const QString &folderPath)
{
    auto known = m_indexes.find(folderPath);
    if (known == m_indexes.end()) {
        ++m_listings;
        QString listed = folderPath;
        if (listed.size() > 1 && listed.endsWith(QLatin1Char('/')))
            listed.chop(1);
        // A folder that cannot be listed matches nothing, and is not asked again.
        known = m_indexes.insert(folderPath, FolderIndex(m_lister(listed).value_or(QStringList())));
    }
    return *known;
}

QString resolve(const QString &path)
{
    return Resolver().resolve(path);
}

} // namespace pathresolve
