#include "link/ui/TerminalCommands.h"

#include "link/CommandLayer.h"
#include "link/Preview.h"
#include "link/ui/FormOption.h"
#include "link/ui/FormTerminalLog.h"
#include "link/ui/FormView.h"
#include "link/ui/TerminalSession.h"
#include "platform/ui/BusyPointer.h"
#include "platform/ui/Messages.h"
#include "platform/ui/Services.h"
#include "project/ItemFile.h"
#include "project/ProjectState.h"

namespace terminalcommands {
namespace {

int report(Messages &messages, const CommandOutcome &outcome)
{
    if (!outcome.message.isEmpty())
        messages.show(outcome.message);
    return outcome.result;
}

} // namespace

FormTerminalLog &openTerminalLog(Services &services, TerminalSession &session, QWidget &owner)
{
    FormTerminalLog *window = session.logWindow();
    if (!window) {
        // A window of its own, outside the main window's family, so that it can
        // still be scrolled and saved while the item viewer is open; it does
        // not keep the program running once the main window is closed.
        window = new FormTerminalLog(services, session.transport());
        window->setAttribute(Qt::WA_QuitOnClose, false);
        window->placeBeside(owner);
        session.setLogWindow(window);
    }
    window->show();
    window->raise();
    window->activateWindow();
    return *window;
}

int send(Transport &transport, Messages &messages, const QByteArray &command, int address,
         double number, const QByteArray &data)
{
    CommandOutcome outcome;
    {
        BusyPointer busy;
        outcome = command::send(transport, command, address, number, data);
    }
    return report(messages, outcome);
}

int previewOnTerminal(ProjectState &state, Services &services, Transport &transport)
{
    const qsizetype item = state.currentItem();
    if (item < 0 || item >= state.items().count())
        return -1;
    if (state.items().type(item) != ItemType::Graphic) {
        services.messages.show(
            QStringLiteral("Non-graphic Resource Item cannot be displayed on the Terminal screen"));
        return -1;
    }
    const itemfile::ReadResult file = itemfile::read(state.itemFilePath(item));
    if (!file.ok()) {
        services.messages.show(itemfile::accessMessage(state.items().fileName(item), file.error));
        return -1;
    }
    CommandOutcome outcome;
    {
        BusyPointer busy;
        outcome = preview::run(transport, file.bytes);
    }
    return report(services.messages, outcome);
}

void openOptionsWindow(Services &services, TerminalSession &session, QWidget *parent)
{
    FormOption form(services, session.link(), parent);
    form.Form_Load();
    form.exec();
}

bool previewEnabled(const Settings &settings)
{
    return FormOption::previewEnabled(settings);
}

void openItemViewer(ProjectState &state, Services &services, TerminalSession &session,
                    QWidget *parent)
{
    FormView form(state, services, session.transport(), parent);
    form.Form_Load();
    // Modal to the main window only: the terminal log stays usable beside it.
    form.setWindowModality(Qt::WindowModal);
    form.exec();
}

} // namespace terminalcommands
