#pragma once

#include <QDialog>

class ProjectState;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class Transport;
class UpDown;
struct Services;

// "Resource Item Viewer": asks the terminal to show one of its stored items.
class FormView final : public QDialog
{
    Q_OBJECT
public:
    static constexpr int Highest = 350;

    FormView(ProjectState &state, Services &services, Transport &transport,
             QWidget *parent = nullptr);

    // Presets the number to the current item's, when there is one.
    void Form_Load();
    void CmdOK_Click();
    void CmdCancel_Click();
    // After the up-down control has stepped the number.
    void UpDown_Change();
    void TextNum_GotFocus();
    void TextNum_LostFocus();
    // What one click on the up-down control's arrows does: +1 or -1 within 0..350.
    void stepUpDown(int delta);

    QGroupBox *Frame1;
    QLabel *Label1;
    QLineEdit *TextNum;
    ::UpDown *UpDown;
    QPushButton *CmdOK;
    QPushButton *CmdCancel;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    ProjectState &m_state;
    Services &m_services;
    Transport &m_transport;
    bool m_sending = false;
};
