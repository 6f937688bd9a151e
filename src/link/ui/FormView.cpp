#include "link/ui/FormView.h"

#include "link/ResourceNumber.h"
#include "link/ui/TerminalCommands.h"
#include "link/ui/UpDown.h"
#include "platform/ui/Services.h"
#include "project/ProjectState.h"
#include "project/TextFields.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int Address = 1;

template <typename T> T *named(T *widget, const char *name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

FormView::FormView(ProjectState &state, Services &services, Transport &transport, QWidget *parent)
    : QDialog(parent), m_state(state), m_services(services), m_transport(transport)
{
    setObjectName(QStringLiteral("FormView"));
    setWindowTitle(QStringLiteral("Resource Item Viewer"));

    Frame1 = named(new QGroupBox(this), "Frame1");
    Label1 = named(new QLabel(QStringLiteral("Resource number:"), Frame1), "Label1");
    TextNum = named(new QLineEdit(QStringLiteral("0"), Frame1), "TextNum");
    TextNum->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 12);
    TextNum->installEventFilter(this);
    UpDown = named(new ::UpDown(Frame1), "UpDown");
    UpDown->setFixedHeight(TextNum->sizeHint().height());
    connect(UpDown, &::UpDown::stepped, this, [this](int delta) { stepUpDown(delta); });

    CmdOK = named(new QPushButton(QStringLiteral("Show"), Frame1), "CmdOK");
    CmdCancel = named(new QPushButton(QStringLiteral("Close"), Frame1), "CmdCancel");
    CmdOK->setDefault(true);
    connect(CmdOK, &QPushButton::clicked, this, [this] { CmdOK_Click(); });
    connect(CmdCancel, &QPushButton::clicked, this, [this] { CmdCancel_Click(); });

    auto *number = new QHBoxLayout;
    number->setSpacing(0);
    number->addWidget(TextNum);
    number->addWidget(UpDown);
    number->addStretch();
    auto *grid = new QGridLayout(Frame1);
    grid->addWidget(Label1, 0, 0);
    grid->addLayout(number, 0, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(CmdOK);
    buttons->addWidget(CmdCancel);
    grid->addLayout(buttons, 1, 0, 1, 2);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
}

void FormView::Form_Load()
{
    const qsizetype item = m_state.currentItem();
    if (item >= 0)
        TextNum->setText(textfields::PlainNumber(static_cast<long long>(item)));
}

void FormView::CmdOK_Click()
{
    // Timers keep running while a command waits; a held-down arrow must not
    // start a second command inside the first.
    if (m_sending)
        return;
    m_sending = true;
    terminalcommands::send(m_transport, m_services.messages, "DV", Address,
                           resourcenumber::fromText(TextNum->text()));
    m_sending = false;
}

void FormView::CmdCancel_Click()
{
    reject();
}

void FormView::UpDown_Change()
{
    CmdOK_Click();
}

void FormView::stepUpDown(int delta)
{
    if (m_sending)
        return;
    const int current = resourcenumber::fromText(TextNum->text());
    const int from = std::min(current, Highest);
    const int to = std::clamp(from + delta, 0, Highest);
    if (to == from && current == from)
        return;
    TextNum->setText(textfields::PlainNumber(static_cast<long long>(to)));
    UpDown_Change();
}

void FormView::TextNum_GotFocus()
{
    TextNum->selectAll();
}

void FormView::TextNum_LostFocus()
{
    TextNum->setText(textfields::PlainNumber(resourcenumber::fromText(TextNum->text())));
}

bool FormView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == TextNum && event->type() == QEvent::FocusIn)
        // After the line edit's own focus handling, which would place the cursor.
        QTimer::singleShot(0, this, [this] { TextNum_GotFocus(); });
    else if (watched == TextNum && event->type() == QEvent::FocusOut)
        TextNum_LostFocus();
    else if (watched == TextNum && event->type() == QEvent::KeyPress) {
        // The arrow keys in the box step as the arrows beside it do.
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            stepUpDown(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
