#pragma once

#include "editors/ItemLimits.h"

#include <QDialog>

#include <functional>

class Messages;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace automation {
class Object;
}

// "Edit Graphic Size": the width in dots and the height in bands of the graphic
// in the open graphic window's control, within the item's limits. Acts on the
// control directly; the item file is not touched.
class FormSize final : public QDialog
{
    Q_OBJECT
public:
    // beforeResize runs just before OK changes the control's size.
    FormSize(automation::Object &vog, const GraphicLimits &limits, Messages &messages,
             QWidget *parent = nullptr, std::function<void()> beforeResize = {});

    QGroupBox *Frame1 = nullptr;
    QLabel *LabelSizeX = nullptr;
    QLineEdit *TextSizeX = nullptr;
    QLabel *LabelSizeY = nullptr;
    QLineEdit *TextSizeY = nullptr;
    QPushButton *CmdOK = nullptr;
    QPushButton *CmdCancel = nullptr;

    void Form_Load();
    void TextSizeX_GotFocus();
    void TextSizeX_LostFocus();
    void TextSizeY_GotFocus();
    void TextSizeY_LostFocus();
    void CmdOK_Click();
    void CmdCancel_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    automation::Object &m_vog;
    const GraphicLimits m_limits;
    Messages &m_messages;
    std::function<void()> m_beforeResize;
};
