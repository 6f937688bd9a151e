#pragma once

#include <QTimer>
#include <QWidget>

#include <functional>

class QToolButton;

// Two arrow buttons bound to a number box: a press steps once at once; held,
// the arrow steps again after a delay and then at a steady pace. Whether it is
// still held is asked of the windowing system after every step, because a step
// may wait for a terminal (which throws the release away) or show a message
// (which takes it): a press is over when the button is up, whatever the
// button's own events said.
class UpDown final : public QWidget
{
    Q_OBJECT
public:
    static constexpr int RepeatDelayMs = 400;
    static constexpr int RepeatIntervalMs = 60;

    explicit UpDown(QWidget *parent = nullptr);

    QToolButton *ArrowUp = nullptr;
    QToolButton *ArrowDown = nullptr;

    // Whether the primary button is down now; the windowing system unless replaced.
    void setButtonQuery(std::function<bool()> query) { m_buttonDown = std::move(query); }
    bool repeating() const { return m_held != nullptr; }

Q_SIGNALS:
    // +1 for the upper arrow, -1 for the lower one.
    void stepped(int delta);

private:
    void press(QToolButton *arrow, int delta);
    void step();
    void stop();
    bool stillHeld() const;

    QToolButton *m_held = nullptr;
    int m_delta = 0;
    int m_steps = 0; // since the press
    QTimer m_repeat;
    std::function<bool()> m_buttonDown;
};
