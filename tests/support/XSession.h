#pragma once
// Real events under a virtual X server, sent with xdotool: only these show how
// presses, releases, message boxes and the focus interleave.
#include "platform/ui/Messages.h"

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <gtest/gtest.h>

class QMessageBox;
class QWidget;

namespace xsession {

// Empty when the test cannot run: no X display or no xdotool.
QString whyNot();

// A fixture whose tests need real events: skipped, before the fixture sets
// anything up, where there is no X display or no xdotool.
template <class Fixture = ::testing::Test> class OnX : public Fixture
{
protected:
    void SetUp() override
    {
        if (const QString why = whyNot(); !why.isEmpty())
            GTEST_SKIP() << why.toStdString();
        Fixture::SetUp();
    }
};

// Runs xdotool and lets the program take the events meanwhile (a key may
// start a command that shows a message before xdotool returns).
void xdo(const QStringList &args);

// The arguments that move the pointer onto the widget's centre.
QStringList at(const QWidget *widget);

void click(const QWidget *widget);
// Keys in xdotool's names ("Return", "ctrl+o"), one after the other.
void keys(const QStringList &names);
void type(const QString &text);

// Lets the program take events for the given time.
void settle(int ms);

// Makes the window active as a user's click on it would, and waits for it.
void activate(QWidget *window);

// Real message boxes, with what they said.
class BoxMessages final : public Messages
{
public:
    QStringList texts;

protected:
    Answer present(const Message &message) override;

private:
    DialogMessages m_boxes;
};

// Closes every message box as a user would, with Enter, or with a click on
// its first button every second time, from inside the box's own event loop.
class Closer
{
public:
    Closer();
    int closed = 0;

private:
    void look();

    QObject m_processes; // they outlive the box they close
    QTimer m_timer;
    QPointer<QMessageBox> m_seen; // a new box may take the old one's address
};

} // namespace xsession
