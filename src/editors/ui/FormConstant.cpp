#include "editors/ui/FormConstant.h"

#include "editors/ConstantFile.h"
#include "editors/TextCheck.h"
#include "editors/ui/EditorForm.h"
#include "platform/ui/FieldFocus.h"
#include "platform/ui/Services.h"
#include "project/ProjectState.h"
#include "project/TextFields.h"

#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

FormConstant::FormConstant(ProjectState &state, Services &services, QWidget *parent)
    : QDialog(parent), m_state(state), m_services(services)
{
    using editorform::named;
    Frame1 = named(new QGroupBox(this), "Frame1");
    Label2 = named(new QLabel(QStringLiteral("Enter new Constant value:"), Frame1), "Label2");
    TextValue = named(new QLineEdit(Frame1), "TextValue");
    LabelLimits = named(new QLabel(Frame1), "LabelLimits");
    CmdOK = named(new QPushButton(QStringLiteral("OK"), this), "CmdOK");
    CmdCancel = named(new QPushButton(QStringLiteral("Cancel"), this), "CmdCancel");
    setObjectName(QStringLiteral("FormConstant"));
    setWindowTitle(QStringLiteral("Edit Constant"));

    auto *frameLayout = new QVBoxLayout(Frame1);
    frameLayout->addWidget(Label2);
    frameLayout->addWidget(TextValue);
    frameLayout->addWidget(LabelLimits);
    editorform::layOut(*this, *Frame1, *CmdOK, *CmdCancel);
    // The layout sets the least size; this is only the first.
    resize(380, minimumSizeHint().height());

    TextValue->installEventFilter(this);
    connect(CmdOK, &QPushButton::clicked, this, &FormConstant::CmdOK_Click);
    connect(CmdCancel, &QPushButton::clicked, this, &FormConstant::CmdCancel_Click);

    Form_Load();
}

void FormConstant::Form_Load()
{
    const editorform::CurrentItem current = editorform::loadCurrentItem(
        m_state, m_services.messages, QStringLiteral(". Clicking OK will create a new file"));
    m_refused = current.refused;
    if (!current.exists() || m_refused) {
        CmdOK->setEnabled(false);
        return;
    }
    m_fileName = current.fileName;
    m_path = current.path;
    m_limits = itemlimits::parseConstant(m_state.items().limits(current.item));
    LabelLimits->setText(QStringLiteral("Permissible Constant value limits: ") +
                         textfields::BlankSignedNumber(m_limits.minimum) + QStringLiteral(" ...") +
                         textfields::BlankSignedNumber(m_limits.maximum));
    if (!current.fileRead()) {
        TextValue->setText(QStringLiteral("0"));
        return;
    }

    const double value = constantfile::value(constantfile::text(current.read.bytes));
    TextValue->setText(textfields::PlainNumber(value));
    if (!m_limits.contains(value))
        m_services.messages.show(QStringLiteral("Current Constant value is out of range"));
}

void FormConstant::TextValue_GotFocus()
{
    fieldfocus::selectWhole(*TextValue);
}

void FormConstant::TextValue_LostFocus()
{
    TextValue->setText(textfields::PlainNumber(constantfile::value(TextValue->text())));
}

void FormConstant::CmdOK_Click()
{
    const QString text = TextValue->text();
    if (!m_limits.contains(constantfile::value(text))) {
        m_services.messages.show(QStringLiteral("Value is out of range"));
        fieldfocus::backTo(*TextValue);
        return;
    }
    if (editorform::refuse(m_services.messages,
                           textcheck::refusal(QStringLiteral("Constant value"), text))) {
        fieldfocus::backTo(*TextValue);
        return;
    }
    if (editorform::save(m_services.messages, m_state, m_path, m_fileName,
                         constantfile::bytes(text)))
        accept();
}

void FormConstant::CmdCancel_Click()
{
    reject();
}

bool FormConstant::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == TextValue) {
        // Focus that leaves with the whole window (a message box, another
        // program) is no move between controls: the text stays as typed.
        const auto reason = [event] { return static_cast<QFocusEvent *>(event)->reason(); };
        if (event->type() == QEvent::FocusIn && reason() != Qt::PopupFocusReason)
            TextValue_GotFocus();
        else if (event->type() == QEvent::FocusOut && reason() != Qt::ActiveWindowFocusReason &&
                 reason() != Qt::PopupFocusReason)
            TextValue_LostFocus();
    }
    return QDialog::eventFilter(watched, event);
}
