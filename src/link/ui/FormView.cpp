#include "link/ui/FormView.h"

#include "link/ResourceNumber.h"
#include "link/ui/TerminalCommands.h"
#include "platform/ui/Services.h"
#include "project/ProjectState.h"
#include "project/TextFields.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

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
    // Arrows only: the scroll bar stands in for the up-down control beside its text box.
    UpDown = named(new QScrollBar(Qt::Vertical, Frame1), "UpDown");
    UpDown->setRange(0, Highest);
    UpDown->setFixedHeight(TextNum->sizeHint().height());
    // The upper arrow (and the Up key) steps a scroll bar back, the number forward.
    connect(UpDown, &QScrollBar::actionTriggered, this, [this](int action) {
        if (action == QAbstractSlider::SliderSingleStepSub)
            stepUpDown(1);
        else if (action == QAbstractSlider::SliderSingleStepAdd)
            stepUpDown(-1);
        UpDown->setSliderPosition(UpDown->value());
    });

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
    endReleasedPress();
}

void FormView::endReleasedPress()
{
    // A press on an arrow that the user let go of during the wait (whose release
    // was discarded) or while a message was up (which took the release) would
    // otherwise go on stepping by itself.
    if (QGuiApplication::mouseButtons() & Qt::LeftButton)
        return;
    QWindow *window = windowHandle();
    if (!window)
        return;
    const QPoint local = UpDown->mapTo(this, UpDown->rect().center());
    QMouseEvent release(QEvent::MouseButtonRelease, local, mapToGlobal(local), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    // Through the window, so it reaches whichever widget holds the press.
    QCoreApplication::sendEvent(window, &release);
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
    UpDown->setValue(to);
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
    return QDialog::eventFilter(watched, event);
}
