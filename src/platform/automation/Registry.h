#pragma once

#include "platform/automation/Status.h"

#include <QString>
#include <QStringList>
#include <QUuid>
#include <optional>

// The class registry: which library serves a class, ProgIDs, type libraries. An
// INI file, so a test can keep its own in a temporary folder. A user's registry
// is read before the machine's, so a user registration wins and an installed
// control serves every user who has not registered one of their own.
namespace automation {

struct ClassRegistration
{
    QUuid clsid;
    QString userTypeName;
    QString serverPath;     // the library's absolute path
    QString progId;         // empty: no ProgID entry
    QString threadingModel; // empty: none written
    std::optional<quint32> miscStatus;
    QString toolboxBitmap; // empty: none written
    QUuid typeLib;         // null: none written
    QString typeLibVersion;
};

struct TypeLibRegistration
{
    QUuid libId;
    QString version; // "1.0"
    QString name;
    QString helpString;
    QString helpDir;
    QString path;
};

class ClassRegistry
{
public:
    // Writes go to filePath; lookups read filePath, then fallbackFilePath when given.
    explicit ClassRegistry(QString filePath, QString fallbackFilePath = {});

    // The registry of this user: $FENDREL_CLASS_REGISTRY when set, else
    // Fendrel/ClassRegistry.ini in the user's configuration folder; lookups fall
    // back to the system registry.
    static ClassRegistry user();
    // The system registry alone, which the package writes on installation.
    static ClassRegistry system();
    // $FENDREL_SYSTEM_CLASS_REGISTRY when set, else /etc/xdg/Fendrel/ClassRegistry.ini.
    static QString systemFilePath();

    const QString &filePath() const { return m_filePath; }

    Status registerClass(const ClassRegistration &entry);
    // Removes the class and its ProgID entry (when that still names this class).
    Status unregisterClass(const QUuid &clsid);
    Status registerTypeLib(const TypeLibRegistration &entry);
    // TYPE_E_REGISTRYACCESS-like failure (E_FAIL) when that version is not registered.
    Status unregisterTypeLib(const QUuid &libId, const QString &version);

    // CO_E_CLASSSTRING for an unknown ProgID.
    Status classFromProgId(const QString &progId, QUuid *clsid) const;
    // REGDB_E_CLASSNOTREG for an unknown class or one without a server.
    Status serverOf(const QUuid &clsid, QString *path) const;

    // Raw view of filePath alone, for tools and tests: every key ("CLSID/{...}/ProgID")
    // and its value.
    QStringList keys() const;
    QString value(const QString &key) const;

    static QString classKey(const QUuid &clsid);
    static QString progIdKey(const QString &progId);
    static QString typeLibKey(const QUuid &libId, const QString &version);

private:
    // The value of the first registry, in lookup order, that has the key.
    QString lookup(const QString &key) const;

    QString m_filePath;
    QString m_fallbackFilePath; // empty: no fallback
};

} // namespace automation
