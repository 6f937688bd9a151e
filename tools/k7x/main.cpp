#include "CommandTable.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>
#include <memory>

namespace {

// A GUI application on the offscreen platform for a command that draws text,
// which needs fonts; otherwise a core one. Nothing is shown, so no display is
// needed, whatever platform the user set.
std::unique_ptr<QCoreApplication> application(int &argc, char **argv)
{
    const k7xtool::Command *command =
        argc > 1 ? k7xtool::findCommand(QString::fromLocal8Bit(argv[1])) : nullptr;
    if (command && command->needsFonts) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return std::make_unique<QGuiApplication>(argc, argv);
    }
    return std::make_unique<QCoreApplication>(argc, argv);
}

} // namespace

// k7x: builds, compares, checks and takes apart extended firmware files without
// a window, for build pipelines and release engineers.
int main(int argc, char **argv)
{
    const std::unique_ptr<QCoreApplication> app = application(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args == QStringList{QStringLiteral("--version")}) {
        out << "k7x " FENDREL_VERSION "\n";
        return 0;
    }
    return k7xtool::run(args, {out, err});
}
