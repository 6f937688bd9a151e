#pragma once

#include "project/FolderIndex.h"

#include <QByteArray>
#include <QFile>
#include <QHash>
#include <QString>
#include <QStringList>

#include <cerrno>
#include <functional>
#include <optional>

// Item file names in project files use "\" between folders and were made on a
// file system that ignores letter case and trailing blanks and dots. Here both
// "\" and "/" separate, and a path that does not exist as written is matched
// component by component the way that system would read it.
namespace pathresolve {

// The names in a folder ("" is the working folder), in any order; nothing when
// it cannot be listed.
using Lister = std::function<std::optional<QStringList>(const QString &folder)>;

// The folder's names as the operating system lists them, unsorted.
std::optional<QStringList> listFolder(const QString &folder);

// The path with "/" between folders.
QString withSlashes(const QString &path);

// One look-up operation (a compile, opening one item): each folder that has to
// be matched is listed once, however many paths pass through it. The path as
// written is always tried first, by the caller's own operation on it, so a
// project whose names are exact costs no listing and no extra system call.
class Resolver
{
public:
    Resolver();
    explicit Resolver(Lister lister);

    struct Tried
    {
        QString path; // the path the operation was last run on, "/" separated
        int error;    // what the operation returned: 0 or an errno value
    };

    // Runs attempt (taking the encoded path, returning 0 or an errno value) on
    // the path as written; when that fails because a name on the way is
    // missing, runs it once more on the path's match, if it has another.
    template <typename Attempt> Tried tryPath(const QString &path, Attempt &&attempt)
    {
        const QString written = withSlashes(path);
        const int error = attempt(QFile::encodeName(written));
        if (error != ENOENT && error != ENOTDIR)
            return {written, error};
        const QString other = match(written);
        if (other == written)
            return {written, error};
        return {other, attempt(QFile::encodeName(other))};
    }

    // Where path lies on disk: the path itself when it can be opened as
    // written, else its match.
    QString resolve(const QString &path);

    // The path ("/" separated) with each folder and the file name that does
    // not exist as written replaced by the name on disk it stands for. From
    // the first name that stands for nothing, the rest stays as written, so a
    // new file can be created there.
    QString match(const QString &path);

    // How many folders this resolver has listed.
    int listings() const { return m_listings; }

private:
    struct Folder
    {
        QString path; // "/" separated, ending in "/" (or empty: the working folder)
        bool found = true;
    };
    Folder folder(const QString &written);
    const FolderIndex &index(const QString &folderPath);

    Lister m_lister;
    QHash<QString, Folder> m_folders;      // by the folder as written
    QHash<QString, FolderIndex> m_indexes; // by the folder on disk
    int m_listings = 0;
};

// One look-up on its own: where path lies on disk (see Resolver::resolve).
QString resolve(const QString &path);

} // namespace pathresolve
