#include "ProjectInput.h"

#include "project/ProjectLoad.h"

#include <QDir>
#include <QFileInfo>

ProjectInput ProjectInput::read(const QString &projectFile)
{
    ProjectInput input;
    input.folder = QFileInfo(projectFile).path() + QLatin1Char('/');
    if (const projectload::Result result = projectload::load(projectFile, input.items);
        !result.ok())
        input.error =
            QDir::toNativeSeparators(projectFile) + QStringLiteral(": ") + result.error.trimmed();
    return input;
}
