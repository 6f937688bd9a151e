#include "Commands.h"
#include "GraphicCommands.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

// k7x: builds, checks and takes apart extended firmware files without a window,
// for build pipelines and release engineers.
int main(int argc, char **argv)
{
    const std::unique_ptr<QCoreApplication> app = k7xtool::application(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const k7xtool::Streams io{out, err};

    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty()) {
        err << k7xtool::usage({});
        return k7xtool::Usage;
    }
    const QString command = args.takeFirst();
    if (command == QLatin1String("--help") || command == QLatin1String("-h")) {
        out << k7xtool::usage({});
        return k7xtool::Done;
    }
    if (command == QLatin1String("--version")) {
        out << "k7x " FENDREL_VERSION "\n";
        return k7xtool::Done;
    }
    if (command == QLatin1String("build"))
        return k7xtool::build(args, io);
    if (command == QLatin1String("verify"))
        return k7xtool::verify(args, io);
    if (command == QLatin1String("list"))
        return k7xtool::list(args, io);
    if (command == QLatin1String("extract"))
        return k7xtool::extract(args, io);
    if (command == QLatin1String("render"))
        return k7xtool::render(args, io);
    if (command == QLatin1String("import"))
        return k7xtool::importPicture(args, io);
    if (command == QLatin1String("sheet"))
        return k7xtool::sheet(args, io);
    err << "k7x: unknown command \"" << command << "\"\n" << k7xtool::usage({});
    return k7xtool::Usage;
}
