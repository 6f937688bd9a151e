#pragma once

#include <QDialog>

class ProjectState;
struct Services;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

// The Compile window: an original firmware file and an output file, and the
// compile of the open project into the output. Each button's behaviour is a
// public handler so tests can run it.
class FormCompile : public QDialog
{
    Q_OBJECT
public:
    // itemTable: the main window's item table view, hidden while items are
    // processed; may be null.
    FormCompile(ProjectState &state, Services &services, QWidget *itemTable = nullptr,
                QWidget *parent = nullptr);

    void Form_Load();
    void CmdOriginal_Click();
    void CmdOutput_Click();
    void CmdCompile_Click();
    void CmdClose_Click();

    QLabel *Label1 = nullptr;
    QLineEdit *TextOriginal = nullptr;
    QPushButton *CmdOriginal = nullptr;
    QLabel *Label3 = nullptr;
    QLineEdit *TextOutput = nullptr;
    QPushButton *CmdOutput = nullptr;
    QFrame *Frame1 = nullptr;
    QPushButton *CmdCompile = nullptr;
    QPushButton *CmdClose = nullptr;
    QLabel *LabelStatus = nullptr;

private:
    void browse(QLineEdit *box, bool save);
    void setStatus(const QString &status);
    void setRunning(bool running);

    ProjectState &m_state;
    Services &m_services;
    QWidget *m_itemTable;
};
