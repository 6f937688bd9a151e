#pragma once

#include <QDialog>

#include <functional>

class Messages;
class FileDialogs;
struct Services;
class QGroupBox;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace automation {
class Object;
}

// "Edit Text": text rendered by the open graphic window's control into a
// floating selection, previewed on every change. OK leaves it floating for the
// user to place; Cancel and Esc take it away. Text the item file cannot hold
// is refused as it is typed.
class FormText final : public QDialog
{
    Q_OBJECT
public:
    // beforeFirstText runs once, before the first text that draws anything
    // goes to the control.
    FormText(automation::Object &vog, Services &services, QWidget *parent = nullptr,
             std::function<void()> beforeFirstText = {});

    QPlainTextEdit *TextData = nullptr;
    QPushButton *CmdFont = nullptr;
    QGroupBox *Frame1 = nullptr;
    QRadioButton *OptionLeft = nullptr;
    QRadioButton *OptionCenter = nullptr;
    QRadioButton *OptionRight = nullptr;
    QPushButton *CmdOK = nullptr;
    QPushButton *CmdCancel = nullptr;

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
    Messages &m_messages;
    FileDialogs &m_dialogs;
    std::function<void()> m_beforeFirstText;
    QString m_previewed; // the text the control shows
};
