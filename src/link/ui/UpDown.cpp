#include "link/ui/UpDown.h"

#include "platform/ui/Pointer.h"

#include <QCursor>
#include <QPointer>
#include <QToolButton>
#include <QVBoxLayout>

UpDown::UpDown(QWidget *parent) : QWidget(parent), m_buttonDown(&pointer::primaryButtonDown)
{
    const auto arrow = [this](const char *name, Qt::ArrowType type, int delta) {
        auto *button = new QToolButton(this);
        button->setObjectName(QString::fromLatin1(name));
        button->setArrowType(type);
        button->setFocusPolicy(Qt::NoFocus);
        button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
        // The button's own auto-repeat believes its release events; this one
        // asks the windowing system instead.
        connect(button, &QToolButton::pressed, this,
                [this, button, delta] { press(button, delta); });
        connect(button, &QToolButton::released, this, [this] { stop(); });
        return button;
    };
    ArrowUp = arrow("ArrowUp", Qt::UpArrow, 1);
    ArrowDown = arrow("ArrowDown", Qt::DownArrow, -1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(ArrowUp);
    layout->addWidget(ArrowDown);

    m_repeat.setSingleShot(true);
    connect(&m_repeat, &QTimer::timeout, this, [this] {
        if (stillHeld())
            step();
        else
            stop();
    });
}

void UpDown::press(QToolButton *arrow, int delta)
{
    m_held = arrow;
    m_delta = delta;
    m_steps = 0;
    step();
}

void UpDown::step()
{
    m_repeat.stop();
    const bool first = m_steps++ == 0;
    const QPointer<UpDown> alive(this);
    Q_EMIT stepped(m_delta);
    if (!alive)
        return; // the step closed the window
    if (!stillHeld()) {
        stop();
        return;
    }
    m_repeat.start(first ? RepeatDelayMs : RepeatIntervalMs);
}

void UpDown::stop()
{
    m_repeat.stop();
    if (m_held)
        m_held->setDown(false);
    m_held = nullptr;
}

bool UpDown::stillHeld() const
{
    if (!m_held || !m_held->isEnabled() || !m_held->isVisible() || !m_buttonDown())
        return false;
    return m_held->rect().contains(m_held->mapFromGlobal(QCursor::pos()));
}
