#include "link/ui/TerminalCommands.h"

#include "link/CommandLayer.h"
#include "link/Preview.h"
#include "link/TerminalLink.h"
#include "link/ui/FormOption.h"
#include "link/ui/FormTerminalLog.h"
#include "link/ui/FormView.h"
#include "platform/ui/BusyPointer.h"
#include "platform/ui/Messages.h"
#include "platform/ui/Services.h"
#include "project/ItemFile.h"
#include "project/ProjectState.h"

#include <QPointer>

namespace terminalcommands {
namespace {

int report(Messages &messages, const CommandOutcome &outcome)
{
    if (!outcome.message.isEmpty())
        messages.show(outcome.message);
    return outcome.result;
}

class LinkHolder final : public QObject
{
public:
    LinkHolder(QObject *parent, const Settings &settings) : QObject(parent), link(settings)
    {
        setObjectName(QStringLiteral("TerminalLink"));
    }
    // The log window goes first, while the link it writes to is still there.
    ~LinkHolder() override { delete logWindow; }

    TerminalLink link;
    QPointer<FormTerminalLog> logWindow;
};

LinkHolder &holderOf(QObject &owner, const Settings &settings)
{
    auto *holder =
        owner.findChild<LinkHolder *>(QStringLiteral("TerminalLink"), Qt::FindDirectChildrenOnly);
    if (!holder)
        holder = new LinkHolder(&owner, settings);
    return *holder;
}

} // namespace

TerminalLink &linkOf(QObject &owner, const Settings &settings)
{
    return holderOf(owner, settings).link;
}

FormTerminalLog &openTerminalLog(Services &services, QWidget &owner)
{
    LinkHolder &holder = holderOf(owner, services.settings);
    if (!holder.logWindow) {
        // A window of its own, outside the main window's family, so that it can
        // still be scrolled and saved while the item viewer is open; it does
        // not keep the program running once the main window is closed.
        holder.logWindow = new FormTerminalLog(services, holder.link);
        holder.logWindow->setAttribute(Qt::WA_QuitOnClose, false);
    }
    holder.logWindow->show();
    holder.logWindow->raise();
    holder.logWindow->activateWindow();
    return *holder.logWindow;
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

void openOptionsWindow(Services &services, TerminalLink &link, QWidget *parent)
{
    FormOption form(services, link, parent);
    form.Form_Load();
    form.exec();
}

void openItemViewer(ProjectState &state, Services &services, Transport &transport, QWidget *parent)
{
    FormView form(state, services, transport, parent);
    form.Form_Load();
    // Modal to the main window only: the terminal log stays usable beside it.
    form.setWindowModality(Qt::WindowModal);
    form.exec();
}

} // namespace terminalcommands
