#pragma once

#include "project/ItemTable.h"

#include <QObject>
#include <QString>

class ItemTableModel;

// The program-wide project state: the item table, the selected item (NoItem
// when there is none) and the project folder path. The main window owns the one instance and hands
// it to the windows it opens; only the two load operations replace its contents.
class ProjectState : public QObject
{
    Q_OBJECT
public:
    explicit ProjectState(QObject *parent = nullptr);
    ~ProjectState() override;

    ItemTable &items() { return m_items; }
    const ItemTable &items() const { return m_items; }
    ItemTableModel *model() const { return m_model; }

    static constexpr qsizetype NoItem = -1;

    // The selected item's number, from 0, or NoItem.
    qsizetype currentItem() const { return m_currentItem; }
    bool hasCurrentItem() const { return m_currentItem != NoItem; }
    // Selects item; a number outside the table is clamped to its last item,
    // and a negative one (or an empty table) selects none.
    void setCurrentItem(qsizetype item);

    QString folderPath() const { return m_folderPath; }
    void setFolderPath(const QString &path) { m_folderPath = path; }
    // Appends a trailing separator when the path lacks one, stores the result
    // back and returns it.
    QString folderWithSeparator();
    // The full path of item k's file on this system ("\" and "/" both separate,
    // letter case is matched when the path does not exist as written).
    QString itemFilePath(qsizetype item);

    // The project file of the last successful load (the main window's caption).
    QString projectFile() const { return m_projectFile; }
    void setProjectFile(const QString &path);

    // Brackets a load: views hide while the table is replaced and reset after.
    void beginLoad();
    void endLoad();

Q_SIGNALS:
    // Every time the current item is set, also to the item it already was: a
    // reload puts the first item of another project current.
    void currentItemChanged(qsizetype item);
    void projectFileChanged(const QString &path);
    void loadStarted();
    void loadFinished();

private:
    ItemTable m_items;
    ItemTableModel *m_model = nullptr;
    qsizetype m_currentItem = NoItem;
    QString m_folderPath;
    QString m_projectFile;
};
