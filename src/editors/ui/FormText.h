#pragma once

#include <QDialog>

class FileDialogs;
class QGroupBox;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace automation {
class Object;
}

// "Edit Text": text rendered by the open graphic window's control into a
// floating selection, previewed on every change. OK leaves it floating for the
// user to place; Cancel and Esc take it away.
class FormText final : public QDialog
{
    Q_OBJECT
public:
    FormText(automation::Object &vog, FileDialogs &dialogs, QWidget *parent = nullptr);

    QPlainTextEdit *const TextData;
    QPushButton *const CmdFont;
    QGroupBox *const Frame1;
    QRadioButton *const OptionLeft;
    QRadioButton *const OptionCenter;
    QRadioButton *const OptionRight;
    QPushButton *const CmdOK;
    QPushButton *const CmdCancel;

    void Form_Load();
    void TextData_Change();
    void OptionLeft_Click();
    void OptionCenter_Click();
    void OptionRight_Click();
    void CmdFont_Click();
    void CmdOK_Click();
    void CmdCancel_Click();

    // Esc anywhere in the dialog, and closing it, count as Cancel.
    void reject() override;

private:
    void preview();
    void align(int textAlignment);

    automation::Object &m_vog;
    FileDialogs &m_dialogs;
};
