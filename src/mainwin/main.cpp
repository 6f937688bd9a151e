#include "FileDialogs.h"
#include "FormMain.h"
#include "Messages.h"
#include "ProjectState.h"
#include "Services.h"

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
