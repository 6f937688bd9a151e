#include "platform/automation/Registry.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace automation {
namespace {

QString braced(const QUuid &id)
{
    return id.toString(QUuid::WithBraces).toUpper();
}

Status finish(QSettings &settings)
{
    settings.sync();
    switch (settings.status()) {
    case QSettings::NoError:
        return S_OK;
    case QSettings::AccessError:
        return E_ACCESSDENIED;
    case QSettings::FormatError:
        return E_FAIL;
    }
    return E_FAIL;
}

// QSettings writes nothing and reports no error when the folder is missing.
bool ensureFolder(const QString &filePath)
{
    return QDir().mkpath(QFileInfo(filePath).absolutePath());
}

} // namespace

ClassRegistry::ClassRegistry(QString filePath, QString fallbackFilePath)
    : m_filePath(std::move(filePath)), m_fallbackFilePath(std::move(fallbackFilePath))
{
    // The user's registry redirected to the system's (a system-wide registration) reads it once.
    if (m_fallbackFilePath == m_filePath)
        m_fallbackFilePath.clear();
}

ClassRegistry ClassRegistry::user()
{
    QString path = qEnvironmentVariable("FENDREL_CLASS_REGISTRY");
    if (path.isEmpty())
        path = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
               QStringLiteral("/Fendrel/ClassRegistry.ini");
    return ClassRegistry(path, systemFilePath());
}

ClassRegistry ClassRegistry::system()
{
    return ClassRegistry(systemFilePath());
}

QString ClassRegistry::systemFilePath()
{
    // A fixed path rather than $XDG_CONFIG_DIRS: the package's maintainer scripts
    // and every user's session must agree on one file whatever their environment.
    const QString overridden = qEnvironmentVariable("FENDREL_SYSTEM_CLASS_REGISTRY");
    return overridden.isEmpty() ? QStringLiteral("/etc/xdg/Fendrel/ClassRegistry.ini") : overridden;
}

QString ClassRegistry::lookup(const QString &key) const
{
    for (const QString &path : {m_filePath, m_fallbackFilePath}) {
        if (path.isEmpty())
            continue;
        const QString found = QSettings(path, QSettings::IniFormat).value(key).toString();
        if (!found.isEmpty())
            return found;
    }
    return {};
}

QString ClassRegistry::classKey(const QUuid &clsid)
{
    return QStringLiteral("CLSID/") + braced(clsid);
}

QString ClassRegistry::progIdKey(const QString &progId)
{
    return QStringLiteral("ProgID/") + progId;
}

QString ClassRegistry::typeLibKey(const QUuid &libId, const QString &version)
{
    return QStringLiteral("TypeLib/") + braced(libId) + QLatin1Char('/') + version;
}

Status ClassRegistry::registerClass(const ClassRegistration &entry)
{
    if (entry.clsid.isNull() || entry.serverPath.isEmpty())
        return E_INVALIDARG;
    if (!ensureFolder(m_filePath))
        return E_ACCESSDENIED;
    QSettings settings(m_filePath, QSettings::IniFormat);
    const QString key = classKey(entry.clsid);
    settings.remove(key);
    settings.beginGroup(key);
    settings.setValue(QStringLiteral("Name"), entry.userTypeName);
    settings.setValue(QStringLiteral("InprocServer32"), entry.serverPath);
    if (!entry.threadingModel.isEmpty())
        settings.setValue(QStringLiteral("ThreadingModel"), entry.threadingModel);
    if (!entry.progId.isEmpty())
        settings.setValue(QStringLiteral("ProgID"), entry.progId);
    if (entry.miscStatus)
        settings.setValue(QStringLiteral("MiscStatus"), QString::number(*entry.miscStatus));
    if (!entry.toolboxBitmap.isEmpty())
        settings.setValue(QStringLiteral("ToolboxBitmap32"), entry.toolboxBitmap);
    if (!entry.typeLib.isNull()) {
        settings.setValue(QStringLiteral("TypeLib"), braced(entry.typeLib));
        settings.setValue(QStringLiteral("Version"), entry.typeLibVersion);
    }
    settings.endGroup();
    if (!entry.progId.isEmpty()) {
        settings.beginGroup(progIdKey(entry.progId));
        settings.setValue(QStringLiteral("Name"), entry.userTypeName);
        settings.setValue(QStringLiteral("CLSID"), braced(entry.clsid));
        settings.endGroup();
    }
    return finish(settings);
}

Status ClassRegistry::unregisterClass(const QUuid &clsid)
{
    QSettings settings(m_filePath, QSettings::IniFormat);
    const QString key = classKey(clsid);
    const QString progId = settings.value(key + QStringLiteral("/ProgID")).toString();
    if (!progId.isEmpty() &&
        QUuid::fromString(
            settings.value(progIdKey(progId) + QStringLiteral("/CLSID")).toString()) == clsid)
        settings.remove(progIdKey(progId));
    settings.remove(key);
    return finish(settings);
}

Status ClassRegistry::registerTypeLib(const TypeLibRegistration &entry)
{
    if (entry.libId.isNull() || entry.version.isEmpty())
        return E_INVALIDARG;
    if (!ensureFolder(m_filePath))
        return E_ACCESSDENIED;
    QSettings settings(m_filePath, QSettings::IniFormat);
    const QString key = typeLibKey(entry.libId, entry.version);
    settings.remove(key);
    settings.beginGroup(key);
    settings.setValue(QStringLiteral("Name"), entry.name);
    settings.setValue(QStringLiteral("HelpString"), entry.helpString);
    settings.setValue(QStringLiteral("HelpDir"), entry.helpDir);
    settings.setValue(QStringLiteral("Path"), entry.path);
    settings.endGroup();
    return finish(settings);
}

Status ClassRegistry::unregisterTypeLib(const QUuid &libId, const QString &version)
{
    QSettings settings(m_filePath, QSettings::IniFormat);
    const QString key = typeLibKey(libId, version);
    if (!settings.contains(key + QStringLiteral("/Path")))
        return E_FAIL;
    settings.remove(key);
    // Leave no empty library group behind once its last version is gone.
    settings.beginGroup(QStringLiteral("TypeLib/") + braced(libId));
    const bool empty = settings.allKeys().isEmpty();
    settings.endGroup();
    if (empty)
        settings.remove(QStringLiteral("TypeLib/") + braced(libId));
    return finish(settings);
}

Status ClassRegistry::classFromProgId(const QString &progId, QUuid *clsid) const
{
    const QUuid id = QUuid::fromString(lookup(progIdKey(progId) + QStringLiteral("/CLSID")));
    if (progId.isEmpty() || id.isNull())
        return CO_E_CLASSSTRING;
    *clsid = id;
    return S_OK;
}

Status ClassRegistry::serverOf(const QUuid &clsid, QString *path) const
{
    const QString server = lookup(classKey(clsid) + QStringLiteral("/InprocServer32"));
    if (server.isEmpty())
        return REGDB_E_CLASSNOTREG;
    *path = server;
    return S_OK;
}

QStringList ClassRegistry::keys() const
{
    QSettings settings(m_filePath, QSettings::IniFormat);
    return settings.allKeys();
}

QString ClassRegistry::value(const QString &key) const
{
    QSettings settings(m_filePath, QSettings::IniFormat);
    return settings.value(key).toString();
}

} // namespace automation
