#include "ProjectInput.h"

#include "project/ProjectFile.h"
#include "project/ProjectLoad.h"

#include <QDir>
#include <QFileInfo>

ProjectInput ProjectInput::read(const QString &projectFile, bool keepBytes)
{
    ProjectInput input;
    input.folder = QFileInfo(projectFile).path() + QLatin1Char('/');
    // Read once, so that a pipe gives the same bytes to the table and the copy.
    projectload::ProjectBytes file;
    QString error;
    if (const PlatformError opened = file.open(projectFile); opened.isError())
        error = opened.text();
    else
        error = projectload::failureText(projectfile::parse(file.bytes(), input.items));
    if (!error.isEmpty())
        input.error =
            QDir::toNativeSeparators(projectFile) + QStringLiteral(": ") + error.trimmed();
    else if (keepBytes)
        input.bytes = file.bytes().toByteArray();
    return input;
}
