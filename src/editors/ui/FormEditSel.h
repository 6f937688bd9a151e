#pragma once

#include <QDialog>

struct Services;
class SelectionListModel;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// "Edit Selection String": edits the text of one row of the info string
// editor's selection grid, in place.
class FormEditSel final : public QDialog
{
    Q_OBJECT
public:
    FormEditSel(SelectionListModel &grid, int row, Services &services, QWidget *parent = nullptr);

    QGroupBox *Frame1 = nullptr;
    QLabel *Label1 = nullptr;
    QLineEdit *TextSel = nullptr;
    QPushButton *CmdOK = nullptr;
    QPushButton *CmdCancel = nullptr;

    void Form_Load();
    void CmdOK_Click();
    void CmdCancel_Click();

private:
    SelectionListModel &m_grid;
    int m_row;
    Services &m_services;
};
