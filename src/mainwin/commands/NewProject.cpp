#include "mainwin/FormMain.h"

#include "mainwin/frmGetNewProjectPath.h"
#include "platform/ui/BusyPointer.h"
#include "platform/ui/Messages.h"
#include "platform/ui/Services.h"
#include "project/NewProject.h"
#include "project/ui/ProjectLoader.h"

#include <QDate>
#include <QDir>

void FormMain::newProject()
{
    // Beside the program, unless it is installed in a folder the user cannot write.
    const QString base = newproject::proposedBase(
        m_programFolder, m_services.settings.read(QStringLiteral("FileProject")), QDir::homePath());
    frmGetNewProjectPath dialog(m_services, base, QDate::currentDate(), this);
    dialog.exec();
    if (!dialog.IsOK())
        return;
    createProject(dialog.FilePath(), dialog.ProjectFileName());
}

void FormMain::createProject(const QString &folder, const QString &name)
{
    if (const PlatformError error = newproject::createFolder(folder); error.isError()) {
        m_services.messages.show(newproject::folderFailureText(folder, error));
        return;
    }
    BusyPointer busy;
    const newproject::CopyOutcome copied = newproject::copyTemplate(m_programFolder, folder, name);
    if (copied.error.isError())
        m_services.messages.show(copied.failureText());
    if (copied.stage == newproject::CopyOutcome::Stage::ProjectFile)
        return;
    // reports its own failures
    projectloader::LoadProject(m_state, m_services, name + QStringLiteral(".k7r"), folder);
    if (!QDir::setCurrent(folder))
        m_services.messages.show(QStringLiteral("Could not make '%1' the working folder:")
                                     .arg(QDir::toNativeSeparators(folder)) +
                                 platformerror::make(platformerror::PathNotFound).text());
}
