#include "mainwin/FolderListModel.h"

#include <QDir>
#include <QFileInfo>

FolderListModel::FolderListModel(QObject *parent) : QAbstractListModel(parent) {}

bool FolderListModel::setFolder(const QString &path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isDir())
        return false;
    const QString folder = QDir::cleanPath(info.absoluteFilePath());

    std::vector<Entry> entries;
    QStringList chain;
    for (QDir dir(folder);;) {
        chain.prepend(dir.absolutePath());
        if (dir.isRoot() || !dir.cdUp())
            break;
    }
    for (int i = 0; i < chain.size(); ++i) {
        const QString name = i == 0 ? chain[i] : QFileInfo(chain[i]).fileName();
        entries.push_back({chain[i], name, i, true});
    }
    const QDir dir(folder);
    const QStringList subfolders =
        dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString &sub : subfolders)
        entries.push_back({dir.filePath(sub), sub, static_cast<int>(chain.size()), false});

    beginResetModel();
    m_entries = std::move(entries);
    m_folder = folder;
    endResetModel();
    return true;
}

int FolderListModel::folderRow() const
{
    for (int i = static_cast<int>(m_entries.size()) - 1; i >= 0; --i) {
        if (m_entries[i].open)
            return i;
    }
    return -1;
}

void FolderListModel::setIcons(const QIcon &open, const QIcon &closed)
{
    m_openIcon = open;
    m_closedIcon = closed;
}

int FolderListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_entries.size());
}

QVariant FolderListModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const Entry &e = m_entries[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return e.name;
    case Qt::DecorationRole:
        return e.open ? m_openIcon : m_closedIcon;
    case PathRole:
        return e.path;
    case DepthRole:
        return e.depth;
    case OpenRole:
        return e.open;
    default:
        return {};
    }
}
