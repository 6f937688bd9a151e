#include "ProjectInput.h"

#include "PlatformError.h"
#include "ProjectFile.h"
#include "ProjectLoader.h"
#include "TextFields.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>

ProjectInput ProjectInput::read(const QString &projectFile)
{
    ProjectInput input;
    const QString shown = QDir::toNativeSeparators(projectFile);
    const QFileInfo info(projectFile);
    input.folder = info.path() + QLatin1Char('/');
    if (info.isDir()) {
        input.error =
            shown + QLatin1Char(':') + platformerror::make(platformerror::PathFileAccess).text();
        return input;
    }
    QFile file(projectFile);
    errno = 0;
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly)) {
        errno = 0;
        bytes = file.readAll();
    }
    if (file.error() != QFileDevice::NoError) {
        input.error = shown + QLatin1Char(':') + platformerror::fromFile(file, errno).text();
        return input;
    }
    const projectfile::ParseResult result = projectfile::parse(bytes, input.items);
    switch (result.failure) {
    case projectfile::ParseResult::Failure::None:
        break;
    case projectfile::ParseResult::Failure::InvalidLine:
        input.error = shown + QStringLiteral(": Invalid Project File Data at line ") +
                      textfields::BlankSignedNumber(static_cast<long long>(result.line));
        break;
    case projectfile::ParseResult::Failure::NoItems:
        input.error = shown + QLatin1Char(':') + projectloader::noItemsError().text();
        break;
    }
    return input;
}
