#include "mainwin/FormMain.h"

#include "mainwin/frmGetNewProjectPath.h"
#include "platform/ui/BusyPointer.h"
#include "platform/ui/Messages.h"
#include "platform/ui/Services.h"
#include "project/NewProject.h"
#include "project/TextFields.h"
#include "project/ui/ProjectLoader.h"

#include <QDate>
#include <QDir>

namespace {

void showGeneral(Messages &messages, const PlatformError &error)
{
    messages.showTitled(error.description, textfields::PlainNumber(error.number));
}

} // namespace

void FormMain::newProject()
{
    frmGetNewProjectPath dialog(m_services, m_programFolder, QDate::currentDate(), this);
    dialog.exec();
    if (!dialog.IsOK())
        return;
    createProject(dialog.FilePath(), dialog.ProjectFileName());
}

void FormMain::createProject(const QString &folder, const QString &name)
{
    if (const PlatformError error = newproject::createFolder(folder); error.isError()) {
        showGeneral(m_services.messages, error);
        return;
    }
    BusyPointer busy;
    const newproject::CopyOutcome copied = newproject::copyTemplate(m_programFolder, folder, name);
    if (copied.error.isError())
        showGeneral(m_services.messages, copied.error);
    if (copied.stage == newproject::CopyOutcome::Stage::ProjectFile)
        return;
    // reports its own failures
    projectloader::LoadProject(m_state, m_services, name + QStringLiteral(".k7r"), folder);
    if (!QDir::setCurrent(folder))
        showGeneral(m_services.messages, platformerror::make(platformerror::PathNotFound));
}
