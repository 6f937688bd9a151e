#include "project/NewProject.h"

#include <cstdio>

// new_location_helper PROGRAM LAST_PROJECT HOME: prints the folder New proposes
// and what making a project folder in PROGRAM gives, as whichever user runs it,
// for tests that run it as an unprivileged one.
int main(int argc, char **argv)
{
    if (argc != 4)
        return 2;
    const QString program = QString::fromLocal8Bit(argv[1]);
    const QString base = newproject::proposedBase(program, QString::fromLocal8Bit(argv[2]),
                                                  QString::fromLocal8Bit(argv[3]));
    const QString folder = program + QStringLiteral("/20261208");
    const PlatformError error = newproject::createFolder(folder);
    const QString made =
        error.isError() ? newproject::folderFailureText(folder, error) : QStringLiteral("made");
    std::printf("%s\n%s\n", base.toLocal8Bit().constData(), made.toLocal8Bit().constData());
    return 0;
}
