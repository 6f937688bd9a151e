#pragma once

#include "link/FrameLog.h"

#include <QWidget>

class FrameLogModel;
class QPushButton;
class QTableView;
class Transport;
struct Services;

// "Terminal Log": every frame sent to the terminal and received from it, with
// what became of it, for the people who install terminals. Not modal; the link
// writes to it only while it is shown.
class FormTerminalLog final : public QWidget
{
    Q_OBJECT
public:
    FormTerminalLog(Services &services, Transport &transport, QWidget *parent = nullptr);
    ~FormTerminalLog() override;

    FrameLog &log() { return m_log; }

    // Where the window opens: where the user last left it, when that is still
    // on a screen, otherwise beside main (see windowplace::beside).
    void placeBeside(const QWidget &main);

    void CmdClear_Click();
    // Writes the log as a text file, one line a frame.
    void CmdSaveAs_Click();
    void CmdClose_Click();

    QTableView *GridFrames = nullptr;
    QPushButton *CmdClear = nullptr;
    QPushButton *CmdSaveAs = nullptr;
    QPushButton *CmdClose = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void rememberPlace();

    Services &m_services;
    Transport &m_transport;
    FrameLog m_log;
    FrameLogModel *m_model = nullptr;
    bool m_follow = true;
};
