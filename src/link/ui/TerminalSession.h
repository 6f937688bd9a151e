#pragma once

#include "link/TerminalLink.h"

#include <QPointer>

class FormTerminalLog;

// The terminal link of one program run and the log window that watches it.
// The main window creates it and hands it to the terminal commands.
class TerminalSession
{
public:
    // The serial devices of the link follow settings, which outlive the session.
    explicit TerminalSession(const Settings &settings) : m_link(settings) {}
    TerminalSession(const TerminalSession &) = delete;
    TerminalSession &operator=(const TerminalSession &) = delete;
    // The log window goes first, while the link it writes to is still there.
    ~TerminalSession();

    TerminalLink &link() { return m_link; }
    // Where commands go: the link, unless a test hands in a transport of its own.
    Transport &transport() { return m_transport ? *m_transport : m_link; }
    void useTransport(Transport *transport) { m_transport = transport; }

    FormTerminalLog *logWindow() const;
    void setLogWindow(FormTerminalLog *window);

private:
    TerminalLink m_link;
    Transport *m_transport = nullptr;
    QPointer<FormTerminalLog> m_logWindow;
};
