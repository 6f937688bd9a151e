#include "project/ui/ProjectLoader.h"

#include "platform/ui/BusyPointer.h"
#include "platform/ui/ChooseFile.h"
#include "platform/ui/Services.h"
#include "project/ItemTable.h"
#include "project/ProjectFile.h"
#include "project/ProjectLoad.h"
#include "project/ProjectState.h"
#include "project/TextFields.h"

#include <QDir>

#include <algorithm>

namespace projectloader {
namespace {

QString joinPath(const QString &folder, const QString &fileName)
{
    if (folder.endsWith(QLatin1Char('/')) || folder.endsWith(QLatin1Char('\\')))
        return folder + fileName;
    return folder + QLatin1Char('/') + fileName;
}

// Steps shared by both operations once the setting and folder path are set.
int load(ProjectState &state, Services &services, const QString &fullPath)
{
    projectload::ProjectBytes file;
    if (const PlatformError error = file.open(fullPath); error.isError()) {
        services.messages.show(QStringLiteral("Could not open the project file '%1':")
                                   .arg(QDir::toNativeSeparators(fullPath)) +
                               error.text());
        return -1;
    }

    projectfile::ParseResult result;
    {
        BusyPointer busy;
        state.beginLoad();
        state.items().clear();
        result = projectfile::parse(file.bytes(), state.items());
        state.endLoad();
    }

    switch (result.failure) {
    case projectfile::ParseResult::Failure::None:
        state.setCurrentItem(0);
        state.setProjectFile(QDir::toNativeSeparators(fullPath));
        return 0;
    case projectfile::ParseResult::Failure::InvalidLine:
        // the last accepted item stays current, as it was when the line came
        state.setCurrentItem(state.items().count() - 1);
        break;
    case projectfile::ParseResult::Failure::NoItems:
        state.setCurrentItem(ProjectState::NoItem);
        break;
    }
    services.messages.show(projectload::failureText(result));
    return -1;
}

} // namespace

int LoadProject(ProjectState &state, Services &services, const QString &fileName,
                const QString &folder)
{
    services.settings.write(QLatin1String(kSettingKey), folder);
    state.setFolderPath(folder);
    return load(state, services, joinPath(folder, fileName));
}

int OpenProject(ProjectState &state, Services &services)
{
    FileDialogs::Request request;
    request.title = QLatin1String(kDialogTitle);
    request.filter = QLatin1String(kDialogFilter);
    request.filterIndex = 1;
    request.initialName = services.settings.read(QLatin1String(kSettingKey));
    request.overwritePrompt = true;

    const std::optional<QString> chosen =
        choosefile::ask(services, choosefile::Mode::Open, request);
    if (!chosen)
        return -1;
    return openProjectFile(state, services, *chosen);
}

int openProjectFile(ProjectState &state, Services &services, const QString &fullPath)
{
    services.settings.write(QLatin1String(kSettingKey), fullPath);
    const qsizetype cut =
        std::max(fullPath.lastIndexOf(QLatin1Char('/')), fullPath.lastIndexOf(QLatin1Char('\\')));
    const QString folder = fullPath.left(cut + 1);
    state.setFolderPath(folder);
    // As Open's dialog does, the working directory becomes the file's folder.
    if (!folder.isEmpty())
        QDir::setCurrent(folder);
    return load(state, services, fullPath);
}

} // namespace projectloader
