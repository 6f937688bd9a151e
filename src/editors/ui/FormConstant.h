#pragma once

#include "editors/ItemLimits.h"

#include <QDialog>

class ProjectState;
struct Services;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// "Edit Constant": the value of the current item's constant file, checked
// against the item's limits and written back on OK.
class FormConstant final : public QDialog
{
    Q_OBJECT
public:
    // Loads the current item of state at once; messages of the load show
    // through services before the window appears.
    FormConstant(ProjectState &state, Services &services, QWidget *parent = nullptr);
    // The item's file is no file an editor can take (a FIFO, a device, too
    // big): the load has said so, and the window must not be opened.
    bool itemRefused() const { return m_refused; }

    QGroupBox *Frame1 = nullptr;
    QLabel *Label2 = nullptr;
    QLineEdit *TextValue = nullptr;
    QLabel *LabelLimits = nullptr;
    QPushButton *CmdOK = nullptr;
    QPushButton *CmdCancel = nullptr;

    void Form_Load();
    void TextValue_GotFocus();
    void TextValue_LostFocus();
    void CmdOK_Click();
    void CmdCancel_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    ProjectState &m_state;
    Services &m_services;
    QString m_fileName;
    QString m_path;
    ConstantLimits m_limits;
    bool m_refused = false;
};
