#pragma once

#include <QByteArray>

class FormTerminalLog;
class Messages;
class ProjectState;
class Settings;
class QWidget;
class TerminalSession;
class Transport;
struct Services;

namespace terminalcommands {

// Sends one command behind the busy pointer and shows its message, if any.
// Returns the command result (0, -1, -2 .. -5).
int send(Transport &transport, Messages &messages, const QByteArray &command, int address,
         double number, const QByteArray &data = {});

// Sends the current graphic item's file to the terminal's display. Returns 0
// when every command succeeded, otherwise after the one message is shown.
int previewOnTerminal(ProjectState &state, Services &services, Transport &transport);

// The run's frame log window, not modal: created on first use beside owner (the
// main window), or where the user last left it, then shown again with what it
// has kept; it goes with the session.
FormTerminalLog &openTerminalLog(Services &services, TerminalSession &session, QWidget &owner);

// The main window's commands: the modal Options window and the item viewer.
void openOptionsWindow(Services &services, TerminalSession &session, QWidget *parent);
void openItemViewer(ProjectState &state, Services &services, TerminalSession &session,
                    QWidget *parent);

// Whether the user has enabled Preview on Terminal in the Options window.
bool previewEnabled(const Settings &settings);

} // namespace terminalcommands
