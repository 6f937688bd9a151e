#include "editors/ControlHost.h"
#include "mainwin/FormMain.h"
#include "platform/automation/Registry.h"
#include "platform/ui/FileDialogs.h"
#include "platform/ui/Messages.h"
#include "platform/ui/Services.h"
#include "project/NewProject.h"
#include "project/ProjectState.h"

#include <QApplication>
#include <QFileInfo>
#include <QTextStream>

namespace {

// Messages of a checking run go to standard error: no one is there to close a box.
class PrintedMessages final : public Messages
{
protected:
    // A question is answered No, the choice that changes nothing.
    Answer present(const Message &message) override
    {
        QTextStream(stderr) << message.title << ": " << message.text << '\n';
        return message.question ? Answer::No : Answer::Ok;
    }
};

// FENDREL_CHECK_INSTALLATION=1: whether this program finds its template and can
// create the control as the New command and the graphic editor would, and what a
// project named on the command line loaded; exit status 0 when all is well.
int reportInstallation(const ProjectState &state, bool projectNamed)
{
    QTextStream out(stdout);
    const QString templateFile =
        newproject::templateFolder(QCoreApplication::applicationDirPath()) +
        QStringLiteral("/Resource.k7r");
    const bool templateFound = QFileInfo(templateFile).isFile();
    out << "template: " << (templateFound ? templateFile : QStringLiteral("missing")) << '\n';

    automation::Object control;
    const QString problem =
        controlhost::create(control, controlhost::vogProgId(), automation::ClassRegistry::user());
    out << "control: " << (problem.isEmpty() ? QStringLiteral("created") : problem) << '\n';

    const bool projectLoaded = !state.projectFile().isEmpty();
    if (projectNamed)
        out << "project: " << (projectLoaded ? state.projectFile() : QStringLiteral("not loaded"))
            << ", " << state.items().count() << " items\n";
    return templateFound && problem.isEmpty() && (projectLoaded || !projectNamed) ? 0 : 1;
}

} // namespace

// fendrel [PROJECT.k7r]: the one argument a file manager passes opens that project.
int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Fendrel"));
    QApplication::setOrganizationName(QStringLiteral("Fendrel"));
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.merivane.Fendrel"));

    const QStringList args = QApplication::arguments().mid(1);
    if (args.size() > 1) {
        QTextStream(stderr) << "usage: fendrel [PROJECT.k7r]\n";
        return 2;
    }
    const bool checking = qEnvironmentVariableIsSet("FENDREL_CHECK_INSTALLATION");

    DialogMessages dialogMessages;
    PrintedMessages printedMessages;
    SystemFileDialogs dialogs;
    Services services{checking ? static_cast<Messages &>(printedMessages) : dialogMessages,
                      dialogs};
    ProjectState state;

    FormMain window(state, services);
    window.show();
    if (!args.isEmpty())
        window.openProjectFile(QFileInfo(args.first()).absoluteFilePath());
    if (checking)
        return reportInstallation(state, !args.isEmpty());
    return app.exec();
}
