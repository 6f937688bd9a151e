#include "mainwin/UserGuide.h"

#include <QDir>
#include <QFileInfo>

namespace userguide {

QString find(const QString &programFolder)
{
    // FENDREL_DOC_FROM_BIN (cmake/FendrelInstall.cmake): the installed
    // documentation folder relative to the program's.
    const QString places[] = {
        programFolder + QStringLiteral("/guide/index.html"),
        QDir::cleanPath(programFolder +
                        QStringLiteral("/" FENDREL_DOC_FROM_BIN "/guide/index.html")),
    };
    for (const QString &place : places) {
        if (QFileInfo(place).isFile())
            return place;
    }
    return {};
}

} // namespace userguide
