#pragma once

#include <QDialog>
#include <QString>

#include <array>

struct Services;
class FolderListModel;
class QComboBox;
class QLabel;
class QListView;
class QPushButton;

// A small modal dialog for choosing a folder: set Path, show it, then read
// IsOK and Path. This system has one root, so the drive list holds only it.
class frmFilePath final : public QDialog
{
    Q_OBJECT
public:
    explicit frmFilePath(Services &services, QWidget *parent = nullptr);
    ~frmFilePath() override;

    QString Path() const { return m_path; }
    // Stores the text and opens it in the folder list; a folder that cannot be
    // opened is reported and the list keeps what it showed.
    void setPath(const QString &path);
    bool IsOK() const { return m_isOK; }

    // OK (0) takes the open folder, not a folder that is only highlighted.
    void cmdCtrl_Click(int index);
    void dirDownloadSaved_DblClick(int row);
    void drvDownloadSaved_Change();

    // The folder list's open folder.
    QString openFolder() const;
    FolderListModel &folderList() { return *m_folders; }

private:
    bool openInList(const QString &path);

    Services &m_services;
    QString m_path;
    bool m_isOK = false;
    FolderListModel *m_folders = nullptr;

    QLabel *Label1 = nullptr;
    QComboBox *drvDownloadSaved = nullptr;
    QListView *dirDownloadSaved = nullptr;
    std::array<QPushButton *, 2> cmdCtrl{};
};
