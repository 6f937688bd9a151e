#include "editors/ControlHost.h"
#include "mainwin/FormMain.h"
#include "mainwin/UserGuide.h"
#include "platform/Settings.h"
#include "platform/automation/Registry.h"
#include "platform/ui/FileDialogs.h"
#include "platform/ui/Messages.h"
#include "platform/ui/Services.h"
#include "project/NewProject.h"
#include "project/ProjectState.h"

#include <QApplication>
#include <QFileInfo>
#include <QTextStream>

#include <cstdio>
#include <optional>
#include <string_view>

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
int reportInstallation(const ProjectState &state, const Services &services, bool projectNamed)
{
    QTextStream out(stdout);
    const QString templateFile =
        newproject::templateFolder(QCoreApplication::applicationDirPath()) +
        QStringLiteral("/Resource.k7r");
    const bool templateFound = QFileInfo(templateFile).isFile();
    out << "template: " << (templateFound ? templateFile : QStringLiteral("missing")) << '\n';
    // What Help > Tutorial opens; a missing guide only leaves it disabled.
    const QString guide = userguide::find(QCoreApplication::applicationDirPath());
    out << "guide: " << (guide.isEmpty() ? QStringLiteral("missing") : guide) << '\n';

    automation::Object control;
    const QString problem =
        controlhost::create(control, controlhost::vogProgId(), services.registry);
    out << "control: " << (problem.isEmpty() ? QStringLiteral("created") : problem) << '\n';

    const bool projectLoaded = !state.projectFile().isEmpty();
    if (projectNamed)
        out << "project: " << (projectLoaded ? state.projectFile() : QStringLiteral("not loaded"))
            << ", " << state.items().count() << " items\n";
    return templateFound && problem.isEmpty() && (projectLoaded || !projectNamed) ? 0 : 1;
}

const char usageText[] =
    "Usage: fendrel [PROJECT.k7r]\n"
    "The resource editor for Varden data-collection terminals: opens the project\n"
    "PROJECT.k7r (or starts without one), edits its graphics, constants and info\n"
    "strings, compiles it into an extended firmware file and shows its items on a\n"
    "terminal. man fendrel and Help > Tutorial tell more.\n"
    "\n"
    "Options:\n"
    "  -h, --help     print this help and exit\n"
    "  --version      print the version and exit\n"
    "\n"
    "Environment: FENDREL_CHECK_INSTALLATION=1 checks the installation and exits;\n"
    "FENDREL_CLASS_REGISTRY and FENDREL_SYSTEM_CLASS_REGISTRY name the class registries.\n"
    "Exit status: 0 done, 1 a failed installation check, 2 usage error.\n";

int usageError(const QString &problem)
{
    QTextStream(stderr) << "fendrel: " << problem << '\n' << usageText;
    return 2;
}

// --help, --version and long options we do not know are answered before Qt looks
// for a display (Qt's own options, such as -platform, have one dash); nullopt
// when the program should start.
std::optional<int> answerArguments(int argc, char **argv)
{
    for (int k = 1; k < argc; ++k) {
        const std::string_view arg = argv[k];
        if (arg == "--help" || arg == "-h") {
            std::fputs(usageText, stdout);
            return 0;
        }
        if (arg == "--version") {
            std::fputs("fendrel " FENDREL_VERSION "\n", stdout);
            return 0;
        }
    }
    for (int k = 1; k < argc; ++k) {
        if (std::string_view(argv[k]).starts_with("--"))
            return usageError(
                QStringLiteral("unknown option \"%1\"").arg(QString::fromLocal8Bit(argv[k])));
    }
    return std::nullopt;
}

} // namespace

// fendrel [PROJECT.k7r]: the one argument a file manager passes opens that project.
int main(int argc, char **argv)
{
    if (const std::optional<int> answered = answerArguments(argc, argv))
        return *answered;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Fendrel"));
    QApplication::setOrganizationName(QStringLiteral("Fendrel"));
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.merivane.Fendrel"));

    // Qt has taken its own options (-platform, ...) out of the arguments by now.
    const QStringList args = QApplication::arguments().mid(1);
    if (args.size() > 1)
        return usageError(QStringLiteral("one project file at most"));
    if (!args.isEmpty() && args.first().size() > 1 && args.first().startsWith(QLatin1Char('-')))
        return usageError(QStringLiteral("unknown option \"%1\"").arg(args.first()));
    const bool checking = qEnvironmentVariableIsSet("FENDREL_CHECK_INSTALLATION");

    DialogMessages dialogMessages;
    PrintedMessages printedMessages;
    SystemFileDialogs dialogs;
    UserSettings settings;
    const automation::ClassRegistry registry = automation::ClassRegistry::user();
    Services services{checking ? static_cast<Messages &>(printedMessages) : dialogMessages, dialogs,
                      settings, registry};
    ProjectState state;

    FormMain window(state, services);
    window.showRemembered();
    if (!args.isEmpty())
        window.openProjectFile(QFileInfo(args.first()).absoluteFilePath());
    if (checking)
        return reportInstallation(state, services, !args.isEmpty());
    return app.exec();
}
