#include "editors/ui/FormSize.h"

#include "editors/GraphicCodec.h"
#include "editors/ui/EditorForm.h"
#include "platform/automation/Object.h"
#include "platform/ui/FieldFocus.h"
#include "platform/ui/Messages.h"
#include "project/TextFields.h"

#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

void normalise(QLineEdit *box)
{
    box->setText(textfields::PlainNumber(textfields::LeadingNumber(box->text())));
}

} // namespace

FormSize::FormSize(automation::Object &vog, const GraphicLimits &limits, Messages &messages,
                   QWidget *parent, std::function<void()> beforeResize)
    : QDialog(parent), m_vog(vog), m_limits(limits), m_messages(messages),
      m_beforeResize(std::move(beforeResize))
{
    using editorform::named;
    Frame1 = named(new QGroupBox(this), "Frame1");
    LabelSizeX = named(new QLabel(Frame1), "LabelSizeX");
    TextSizeX = named(new QLineEdit(Frame1), "TextSizeX");
    LabelSizeY = named(new QLabel(Frame1), "LabelSizeY");
    TextSizeY = named(new QLineEdit(Frame1), "TextSizeY");
    CmdOK = named(new QPushButton(QStringLiteral("OK"), this), "CmdOK");
    CmdCancel = named(new QPushButton(QStringLiteral("Cancel"), this), "CmdCancel");
    setObjectName(QStringLiteral("FormSize"));
    setWindowTitle(QStringLiteral("Edit Graphic Size"));

    auto *rows = new QVBoxLayout(Frame1);
    rows->addWidget(LabelSizeX);
    rows->addWidget(TextSizeX);
    rows->addSpacing(8);
    rows->addWidget(LabelSizeY);
    rows->addWidget(TextSizeY);
    rows->addStretch();
    editorform::layOut(*this, *Frame1, *CmdOK, *CmdCancel);
    // The layout sets the least size; this is only the first.
    resize(440, minimumSizeHint().height());

    TextSizeX->installEventFilter(this);
    TextSizeY->installEventFilter(this);
    connect(CmdOK, &QPushButton::clicked, this, &FormSize::CmdOK_Click);
    connect(CmdCancel, &QPushButton::clicked, this, &FormSize::CmdCancel_Click);

    Form_Load();
}

void FormSize::Form_Load()
{
    using textfields::BlankSignedNumber;
    const int width = m_vog.get(QStringLiteral("SizeX")).toInt();
    const int height = m_vog.get(QStringLiteral("SizeY")).toInt();
    if (!graphiccodec::sizeInRange(width, height, m_limits))
        m_messages.show(graphiccodec::invalidSizeText());
    LabelSizeX->setText(QStringLiteral("Size X in bits (pixels). Permissible range:") +
                        BlankSignedNumber(m_limits.minWidth) + QStringLiteral("...") +
                        BlankSignedNumber(m_limits.maxWidth));
    LabelSizeY->setText(QStringLiteral("Size Y in bytes (8 pixels/byte). Permissible range:") +
                        BlankSignedNumber(m_limits.minBands) + QStringLiteral("...") +
                        BlankSignedNumber(m_limits.maxBands));
    TextSizeX->setText(textfields::PlainNumber(width));
    TextSizeY->setText(textfields::PlainNumber(graphiccodec::bandCount(height)));
}

void FormSize::TextSizeX_GotFocus()
{
    fieldfocus::selectWhole(*TextSizeX);
}

void FormSize::TextSizeX_LostFocus()
{
    normalise(TextSizeX);
}

void FormSize::TextSizeY_GotFocus()
{
    fieldfocus::selectWhole(*TextSizeY);
}

void FormSize::TextSizeY_LostFocus()
{
    normalise(TextSizeY);
}

void FormSize::CmdOK_Click()
{
    const double x = textfields::LeadingNumber(TextSizeX->text());
    const double y = textfields::LeadingNumber(TextSizeY->text());
    if (x < m_limits.minWidth || x > m_limits.maxWidth) {
        m_messages.show(QStringLiteral("Size X is out of range"));
        fieldfocus::backTo(*TextSizeX);
        return;
    }
    if (y < m_limits.minBands || y > m_limits.maxBands) {
        m_messages.show(QStringLiteral("Size Y is out of range"));
        fieldfocus::backTo(*TextSizeY);
        return;
    }
    // The control rounds a fraction to the nearest whole (a half to even) and
    // keeps the dots outside the new size.
    if (m_beforeResize)
        m_beforeResize();
    m_vog.put(QStringLiteral("SizeX"), x);
    m_vog.put(QStringLiteral("SizeY"), 8 * y);
    accept();
}

void FormSize::CmdCancel_Click()
{
    reject();
}

bool FormSize::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == TextSizeX || watched == TextSizeY) {
        // Focus that leaves with the whole window (a message box, another
        // program) is no move between controls: the text stays as typed.
        const auto reason = [event] { return static_cast<QFocusEvent *>(event)->reason(); };
        const bool x = watched == TextSizeX;
        if (event->type() == QEvent::FocusIn && reason() != Qt::PopupFocusReason)
            x ? TextSizeX_GotFocus() : TextSizeY_GotFocus();
        else if (event->type() == QEvent::FocusOut && reason() != Qt::ActiveWindowFocusReason &&
                 reason() != Qt::PopupFocusReason)
            x ? TextSizeX_LostFocus() : TextSizeY_LostFocus();
    }
    return QDialog::eventFilter(watched, event);
}
