#pragma once

#include <QAbstractListModel>
#include <QIcon>
#include <QString>

#include <vector>

// The folder list of the folder picker: the open folder with each of its
// parents from the root down, then its subfolders one level deeper.
class FolderListModel final : public QAbstractListModel
{
    Q_OBJECT
public:
    enum Role { PathRole = Qt::UserRole + 1, DepthRole, OpenRole };

    explicit FolderListModel(QObject *parent = nullptr);

    // False, with nothing changed, when path names no folder.
    bool setFolder(const QString &path);
    QString folder() const { return m_folder; }
    // Row of the open folder itself.
    int folderRow() const;

    void setIcons(const QIcon &open, const QIcon &closed);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    struct Entry
    {
        QString path;
        QString name;
        int depth;
        bool open;
    };
    std::vector<Entry> m_entries;
    QString m_folder;
    QIcon m_openIcon;
    QIcon m_closedIcon;
};
