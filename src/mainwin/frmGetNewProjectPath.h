#pragma once

#include <QDate>
#include <QDialog>
#include <QString>

#include <array>
#include <functional>
#include <optional>

struct Services;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The New Project dialog: a project name (today's date to start with) and the
// folder it goes into. OK creates the folder; the caller then reads IsOK,
// FilePath and ProjectFileName.
class frmGetNewProjectPath final : public QDialog
{
    Q_OBJECT
public:
    // programFolder is the base folder the dialog starts from.
    frmGetNewProjectPath(Services &services, const QString &programFolder, const QDate &today,
                         QWidget *parent = nullptr);
    ~frmGetNewProjectPath() override;

    bool IsOK() const { return m_isOK; }
    QString FilePath() const { return m_filePath; }
    QString ProjectFileName() const { return m_projectFileName; }

    // The folder picker, asked with the starting folder; nullopt when it was
    // cancelled. Tests replace it.
    using FolderPicker = std::function<std::optional<QString>(const QString &start)>;
    void setFolderPicker(FolderPicker picker) { m_pickFolder = std::move(picker); }

    // 0 browse, 1 OK, 2 Cancel.
    void cmdCtrl_Click(int index);
    void txtPathName_Change();

    QString location() const;
    void setProjectName(const QString &name);

    static QString pathNotAllowedText() { return QStringLiteral("The Path Name is not allowed."); }

private:
    void browse();
    void confirm();

    Services &m_services;
    QString m_baseFolder;
    bool m_isOK = false;
    QString m_filePath;
    QString m_projectFileName;
    FolderPicker m_pickFolder;

    QLabel *Label1 = nullptr;
    QLineEdit *txtPathName = nullptr;
    QLabel *Label2 = nullptr;
    QPlainTextEdit *txtLocation = nullptr;
    std::array<QPushButton *, 3> cmdCtrl{};
};
