#pragma once

#include "project/ItemTable.h"

#include <QObject>
#include <QString>

class ItemTableModel;

// The program-wide project state: the item table, the selected item (the main
// grid's current row: 0 means none, row k is item k - 1) and the project folder
// path. The main window owns the one instance and hands it to the windows it
// opens; only the two load operations replace its contents.
class ProjectState : public QObject
{
    Q_OBJECT
public:
    explicit ProjectState(QObject *parent = nullptr);
    ~ProjectState() override;

    ItemTable &items() { return m_items; }
    const ItemTable &items() const { return m_items; }
    ItemTableModel *model() const { return m_model; }

    int currentRow() const { return m_currentRow; }
    void setCurrentRow(int row);
    // Item number of the current row, -1 when the header row is current.
    qsizetype currentItem() const { return m_currentRow - 1; }

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
    // Every time the current row is set, also to the row it already was: a
    // reload puts row 1 of another project current.
    void currentRowChanged(int row);
    void projectFileChanged(const QString &path);
    void loadStarted();
    void loadFinished();

private:
    ItemTable m_items;
    ItemTableModel *m_model = nullptr;
    int m_currentRow = 0;
    QString m_folderPath;
    QString m_projectFile;
};
