#include "platform/automation/Registry.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace automation;
using namespace Qt::StringLiterals;

namespace {

const QUuid classId = QUuid::fromString(u"{11111111-2222-3333-4444-555555555555}"_s);
const QUuid libId = QUuid::fromString(u"{AAAAAAAA-2222-3333-4444-555555555555}"_s);
const QString progId = u"Thing.ThingCtrl.1"_s;

ClassRegistration thing(const QUuid &clsid = classId, const QString &name = progId)
{
    ClassRegistration entry;
    entry.clsid = clsid;
    entry.userTypeName = u"Thing Control"_s;
    entry.serverPath = u"/opt/thing/libthing.so"_s;
    entry.progId = name;
    entry.threadingModel = u"Apartment"_s;
    entry.miscStatus = 0x20191;
    entry.toolboxBitmap = u"/opt/thing/libthing.so, 1"_s;
    entry.typeLib = libId;
    entry.typeLibVersion = u"1.0"_s;
    return entry;
}

class ClassRegistryTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    ClassRegistry registry{dir.filePath(u"sub/registry.ini"_s)};
    QUuid found;
    QString server;
};

TEST_F(ClassRegistryTest, UnregisteringRemovesExactlyWhatWasWritten)
{
    EXPECT_EQ(registry.classFromProgId(QString(), &found), CO_E_CLASSSTRING);
    ClassRegistration incomplete = thing(QUuid());
    EXPECT_EQ(registry.registerClass(incomplete), E_INVALIDARG);
    incomplete = thing();
    incomplete.serverPath.clear();
    EXPECT_EQ(registry.registerClass(incomplete), E_INVALIDARG);
    ASSERT_EQ(registry.registerClass(thing(QUuid::createUuid(), u"Other.Thing.1"_s)), S_OK);
    const TypeLibRegistration lib{libId,           u"1.0"_s,
                                  u"ThingLib"_s,   u"Thing module"_s,
                                  u"/opt/thing"_s, u"/opt/thing/libthing.so"_s};
    TypeLibRegistration otherVersion = lib;
    otherVersion.version = u"2.0"_s;
    ASSERT_EQ(registry.registerTypeLib(otherVersion), S_OK); // stays when 1.0 goes
    const QStringList before = registry.keys();

    ASSERT_EQ(registry.registerClass(thing()), S_OK);
    ASSERT_EQ(registry.registerTypeLib(lib), S_OK);
    EXPECT_GT(registry.keys().size(), before.size());
    EXPECT_EQ(registry.unregisterTypeLib(libId, u"1.0"_s), S_OK);
    EXPECT_EQ(registry.unregisterClass(classId), S_OK);
    EXPECT_EQ(registry.keys(), before);
    EXPECT_EQ(registry.unregisterTypeLib(libId, u"1.0"_s), E_FAIL);

    // A ProgID another class has taken over survives the first one's unregistration.
    const QUuid newer = QUuid::createUuid();
    ASSERT_EQ(registry.registerClass(thing()), S_OK);
    ASSERT_EQ(registry.registerClass(thing(newer)), S_OK);
    ASSERT_EQ(registry.unregisterClass(classId), S_OK);
    ASSERT_EQ(registry.classFromProgId(progId, &found), S_OK);
    EXPECT_EQ(found, newer);
}

// Sets an environment variable for the life of the object.
class EnvironmentOverride
{
public:
    EnvironmentOverride(const char *name, const QString &value)
        : m_name(name), m_saved(qgetenv(name)), m_wasSet(qEnvironmentVariableIsSet(name))
    {
        qputenv(name, value.toLocal8Bit());
    }
    ~EnvironmentOverride()
    {
        if (m_wasSet)
            qputenv(m_name, m_saved);
        else
            qunsetenv(m_name);
    }

private:
    const char *m_name;
    QByteArray m_saved;
    bool m_wasSet;
};

class RegistryLookupOrderTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    const QString userPath = dir.filePath(u"user.ini"_s);
    const QString systemPath = dir.filePath(u"system.ini"_s);
    ClassRegistry userFile{userPath};
    ClassRegistry systemFile{systemPath};
    QUuid found;
    QString server;
};

// The user's registration wins; the system's serves a user without one.
TEST_F(RegistryLookupOrderTest, UserBeforeSystem)
{
    const QUuid userClass = QUuid::fromString(u"{22222222-2222-3333-4444-555555555555}"_s);
    const QUuid systemClass = QUuid::fromString(u"{33333333-2222-3333-4444-555555555555}"_s);
    ClassRegistration userEntry = thing(userClass);
    userEntry.serverPath = u"/home/someone/libthing.so"_s;
    ClassRegistration systemEntry = thing(systemClass);
    systemEntry.serverPath = u"/usr/lib/thing/libthing.so"_s;
    const struct
    {
        const char *name;
        bool inUser;
        bool inSystem;
        Status progIdStatus;
        QUuid clsid;
        QString server;
    } cases[] = {
        {"neither", false, false, CO_E_CLASSSTRING, {}, {}},
        {"system alone", false, true, S_OK, systemClass, u"/usr/lib/thing/libthing.so"_s},
        {"user alone", true, false, S_OK, userClass, u"/home/someone/libthing.so"_s},
        {"both", true, true, S_OK, userClass, u"/home/someone/libthing.so"_s},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(userPath);
        QFile::remove(systemPath);
        if (c.inUser) {
            ASSERT_EQ(userFile.registerClass(userEntry), S_OK);
        }
        if (c.inSystem) {
            ASSERT_EQ(systemFile.registerClass(systemEntry), S_OK);
        }
        const ClassRegistry registry(userPath, systemPath);
        found = QUuid();
        server.clear();
        EXPECT_EQ(registry.classFromProgId(progId, &found), c.progIdStatus);
        EXPECT_EQ(found, c.clsid);
        if (!c.clsid.isNull()) {
            EXPECT_EQ(registry.serverOf(c.clsid, &server), S_OK);
            EXPECT_EQ(server, c.server);
        }
        EXPECT_EQ(registry.serverOf(classId, &server), REGDB_E_CLASSNOTREG);
    }
}

// Each entry falls back on its own: a ProgID the user registered may name a class
// whose server only the system knows.
TEST_F(RegistryLookupOrderTest, EachEntryFallsBackOnItsOwn)
{
    ClassRegistration systemEntry = thing();
    systemEntry.serverPath = u"/usr/lib/thing/libthing.so"_s;
    ASSERT_EQ(systemFile.registerClass(systemEntry), S_OK);
    {
        QSettings user(userPath, QSettings::IniFormat);
        user.setValue(u"ProgID/Thing.Alias.1/CLSID"_s, u"{11111111-2222-3333-4444-555555555555}"_s);
    }

    const ClassRegistry registry(userPath, systemPath);
    ASSERT_EQ(registry.classFromProgId(u"Thing.Alias.1"_s, &found), S_OK);
    EXPECT_EQ(found, classId);
    ASSERT_EQ(registry.serverOf(found, &server), S_OK);
    EXPECT_EQ(server, u"/usr/lib/thing/libthing.so"_s);
}

TEST_F(RegistryLookupOrderTest, TheUsersRegistryWritesOnlyItsOwnFileAndReadsTheSystems)
{
    ClassRegistration systemEntry = thing();
    systemEntry.serverPath = u"/usr/lib/thing/libthing.so"_s;
    ASSERT_EQ(systemFile.registerClass(systemEntry), S_OK);
    const QStringList systemKeys = systemFile.keys();

    const EnvironmentOverride user("FENDREL_CLASS_REGISTRY", userPath);
    const EnvironmentOverride system("FENDREL_SYSTEM_CLASS_REGISTRY", systemPath);
    EXPECT_EQ(ClassRegistry::systemFilePath(), systemPath);
    EXPECT_EQ(ClassRegistry::system().filePath(), systemPath);
    ClassRegistry registry = ClassRegistry::user();
    EXPECT_EQ(registry.filePath(), userPath);
    ASSERT_EQ(registry.serverOf(classId, &server), S_OK);
    EXPECT_EQ(server, u"/usr/lib/thing/libthing.so"_s);

    // A user registration hides the system's; removing it shows the system's again.
    ASSERT_EQ(registry.registerClass(thing()), S_OK);
    ASSERT_EQ(registry.serverOf(classId, &server), S_OK);
    EXPECT_EQ(server, u"/opt/thing/libthing.so"_s);
    ASSERT_EQ(registry.unregisterClass(classId), S_OK);
    ASSERT_EQ(registry.serverOf(classId, &server), S_OK);
    EXPECT_EQ(server, u"/usr/lib/thing/libthing.so"_s);
    EXPECT_EQ(systemFile.keys(), systemKeys);
    EXPECT_TRUE(registry.keys().isEmpty());

    // The system registry alone does not read the user's.
    ASSERT_EQ(registry.registerClass(thing(QUuid::createUuid(), u"User.Only.1"_s)), S_OK);
    EXPECT_EQ(ClassRegistry::system().classFromProgId(u"User.Only.1"_s, &found), CO_E_CLASSSTRING);
}

TEST(SystemRegistryPath, DefaultsToTheMachinesConfigurationFolder)
{
    const EnvironmentOverride system("FENDREL_SYSTEM_CLASS_REGISTRY", QString());
    EXPECT_EQ(ClassRegistry::systemFilePath(), u"/etc/xdg/Fendrel/ClassRegistry.ini"_s);
}

} // namespace
