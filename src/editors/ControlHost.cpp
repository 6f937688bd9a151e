#include "editors/ControlHost.h"

#include "platform/automation/Status.h"

#include <QDir>
#include <QUuid>

namespace controlhost {

QString cannotCreateMessage(const QString &progId, automation::Status status,
                            const QString &libraryPath)
{
    using namespace automation;
    const QString control = QStringLiteral("The graphic editor control (") + progId +
                            QStringLiteral(") could not be created: ");
    const QString library = QDir::toNativeSeparators(libraryPath);
    QString problem;
    switch (status) {
    case CO_E_CLASSSTRING:
    case REGDB_E_CLASSNOTREG:
        problem = QStringLiteral("it is not registered.");
        break;
    case CO_E_DLLNOTFOUND:
        problem =
            QStringLiteral("its registered library ") + library + QStringLiteral(" is missing.");
        break;
    case CO_E_ERRORINDLL:
        problem = QStringLiteral("its registered library ") + library +
                  QStringLiteral(" cannot be loaded or is no control library.");
        break;
    default:
        problem = QStringLiteral("error ") + statusText(status) + QLatin1Char('.');
        break;
    }
    return control + problem +
           QStringLiteral(
               "\n\nRegister the control with the command\n"
               "vogreg <path to libvog.so>\n"
               "(libvog.so is beside the program, or in /usr/lib/fendrel when installed\n"
               "from the package) and open the item again.");
}

QString create(automation::Object &object, const QString &progId,
               const automation::ClassRegistry &registry)
{
    const automation::Status status = object.create(progId, registry);
    if (automation::succeeded(status))
        return {};
    QString libraryPath;
    QUuid clsid;
    if (automation::succeeded(registry.classFromProgId(progId, &clsid)))
        registry.serverOf(clsid, &libraryPath);
    return cannotCreateMessage(progId, status, libraryPath);
}

} // namespace controlhost
