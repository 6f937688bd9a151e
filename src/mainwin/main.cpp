#include "mainwin/FormMain.h"
#include "platform/ui/FileDialogs.h"
#include "platform/ui/Messages.h"
#include "platform/ui/Services.h"
#include "project/ProjectState.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Fendrel"));
    QApplication::setOrganizationName(QStringLiteral("Fendrel"));

    DialogMessages messages;
    SystemFileDialogs dialogs;
    Services services{messages, dialogs};
    ProjectState state;

    FormMain window(state, services);
    window.show();
    return app.exec();
}
