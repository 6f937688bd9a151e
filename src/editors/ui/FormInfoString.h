#pragma once

#include "project/ItemType.h"

#include <QDialog>

#include <functional>

class FormEditSel;
class ProjectState;
class SelectionListModel;
struct Services;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

// "Edit Info String": the name, the info text and the selection texts of the
// current item's info string file. Every other field of the file is kept.
class FormInfoString final : public QDialog
{
    Q_OBJECT
public:
    // Loads the current item of state at once; messages of the load show
    // through services before the window appears.
    FormInfoString(ProjectState &state, Services &services, QWidget *parent = nullptr);
    ~FormInfoString() override;
    // The item's file is no file an editor can take (a FIFO, a device, too
    // big): the load has said so, and the window must not be opened.
    bool itemRefused() const { return m_refused; }

    QGroupBox *Frame1 = nullptr;
    QLabel *Label1 = nullptr;
    QLineEdit *TextName = nullptr;
    QLabel *Label2 = nullptr;
    QLineEdit *Textinfo = nullptr;
    QLabel *Label3 = nullptr;
    QTableView *GridSel = nullptr;
    QPushButton *CmdOK = nullptr;
    QPushButton *CmdCancel = nullptr;

    SelectionListModel &selections() const { return *m_selections; }

    // Shows the selection dialog modally; a test puts its own driver here.
    std::function<void(FormEditSel &)> runEditSel;

    void Form_Load();
    void Form_Resize();
    // Ctrl+Tab (step 1) and Ctrl+Shift+Tab (step -1) in the grid.
    void GridSel_NextRow(int step);
    void GridSel_DblClick();
    void CmdOK_Click();
    void CmdCancel_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    ProjectState &m_state;
    Services &m_services;
    SelectionListModel *m_selections = nullptr;
    QString m_fileName;
    ItemType m_type = ItemType::InfoStringF;
    QString m_path;
    QString m_content;              // the whole file, one character per byte
    QLineEdit *m_lastBox = nullptr; // of the name and info boxes, the one last in focus
    bool m_refused = false;
};
