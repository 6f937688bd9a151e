#pragma once

#include <QByteArray>

class FormTerminalLog;
class Messages;
class QObject;
class ProjectState;
class Settings;
class QWidget;
class TerminalLink;
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

// The link of the program run, kept as a child of the window that owns the
// run (the main window): created on first use, gone with the window. Its
// serial devices follow settings.
TerminalLink &linkOf(QObject &owner, const Settings &settings);

// The run's frame log window, not modal: created on first use, then shown
// again with what it has kept; it goes with owner.
FormTerminalLog &openTerminalLog(Services &services, QWidget &owner);

// The main window's commands: the modal Options window and the item viewer.
void openOptionsWindow(Services &services, TerminalLink &link, QWidget *parent);
void openItemViewer(ProjectState &state, Services &services, Transport &transport, QWidget *parent);

} // namespace terminalcommands
