#include "Registry.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace automation;

namespace {

const QUuid classId = QUuid::fromString(QStringLiteral("{11111111-2222-3333-4444-555555555555}"));
const QUuid libId = QUuid::fromString(QStringLiteral("{AAAAAAAA-2222-3333-4444-555555555555}"));

ClassRegistration fullClass()
{
    ClassRegistration entry;
    entry.clsid = classId;
    entry.userTypeName = QStringLiteral("Thing Control");
    entry.serverPath = QStringLiteral("/opt/thing/libthing.so");
    entry.progId = QStringLiteral("Thing.ThingCtrl.1");
    entry.threadingModel = QStringLiteral("Apartment");
    entry.miscStatus = 0x20191;
    entry.toolboxBitmap = QStringLiteral("/opt/thing/libthing.so, 1");
    entry.typeLib = libId;
    entry.typeLibVersion = QStringLiteral("1.0");
    return entry;
}

TEST(ClassRegistry, RegistersAndFindsClassByProgId)
{
    QTemporaryDir dir;
    ClassRegistry registry(dir.filePath(QStringLiteral("sub/registry.ini")));
    ASSERT_EQ(registry.registerClass(fullClass()), S_OK);

    QUuid found;
    ASSERT_EQ(registry.classFromProgId(QStringLiteral("Thing.ThingCtrl.1"), &found), S_OK);
    EXPECT_EQ(found, classId);
    QString server;
    ASSERT_EQ(registry.serverOf(classId, &server), S_OK);
    EXPECT_EQ(server, QStringLiteral("/opt/thing/libthing.so"));

    const QString key = ClassRegistry::classKey(classId);
    EXPECT_EQ(registry.value(key + QStringLiteral("/MiscStatus")), QStringLiteral("131473"));
    EXPECT_EQ(registry.value(key + QStringLiteral("/ThreadingModel")), QStringLiteral("Apartment"));
    EXPECT_EQ(registry.value(key + QStringLiteral("/TypeLib")), libId.toString().toUpper());
}

TEST(ClassRegistry, UnknownNamesGiveStatusCodes)
{
    QTemporaryDir dir;
    ClassRegistry registry(dir.filePath(QStringLiteral("registry.ini")));
    QUuid found;
    QString server;
    EXPECT_EQ(registry.classFromProgId(QStringLiteral("Thing.ThingCtrl.1"), &found),
              CO_E_CLASSSTRING);
    EXPECT_EQ(registry.classFromProgId(QString(), &found), CO_E_CLASSSTRING);
    EXPECT_EQ(registry.serverOf(classId, &server), REGDB_E_CLASSNOTREG);
}

TEST(ClassRegistry, UnregisteringRemovesExactlyWhatWasWritten)
{
    QTemporaryDir dir;
    ClassRegistry registry(dir.filePath(QStringLiteral("registry.ini")));
    ClassRegistration other = fullClass();
    other.clsid = QUuid::fromString(QStringLiteral("{22222222-2222-3333-4444-555555555555}"));
    other.progId = QStringLiteral("Other.Thing.1");
    ASSERT_EQ(registry.registerClass(other), S_OK);
    const QStringList before = registry.keys();

    ASSERT_EQ(registry.registerClass(fullClass()), S_OK);
    TypeLibRegistration lib{libId,
                            QStringLiteral("1.0"),
                            QStringLiteral("ThingLib"),
                            QStringLiteral("Thing module"),
                            QStringLiteral("/opt/thing"),
                            QStringLiteral("/opt/thing/libthing.so")};
    ASSERT_EQ(registry.registerTypeLib(lib), S_OK);
    EXPECT_GT(registry.keys().size(), before.size());

    EXPECT_EQ(registry.unregisterTypeLib(libId, QStringLiteral("1.0")), S_OK);
    EXPECT_EQ(registry.unregisterClass(classId), S_OK);
    EXPECT_EQ(registry.keys(), before);
    EXPECT_EQ(registry.unregisterTypeLib(libId, QStringLiteral("1.0")), E_FAIL);
}

TEST(ClassRegistry, ProgIdTakenOverByAnotherClassSurvivesUnregistration)
{
    QTemporaryDir dir;
    ClassRegistry registry(dir.filePath(QStringLiteral("registry.ini")));
    ASSERT_EQ(registry.registerClass(fullClass()), S_OK);
    ClassRegistration newer = fullClass();
    newer.clsid = QUuid::fromString(QStringLiteral("{33333333-2222-3333-4444-555555555555}"));
    ASSERT_EQ(registry.registerClass(newer), S_OK);
    ASSERT_EQ(registry.unregisterClass(classId), S_OK);
    QUuid found;
    ASSERT_EQ(registry.classFromProgId(QStringLiteral("Thing.ThingCtrl.1"), &found), S_OK);
    EXPECT_EQ(found, newer.clsid);
}

TEST(ClassRegistry, UnwritableStoreFails)
{
    QTemporaryDir dir;
    QFile blocker(dir.filePath(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    // A folder that cannot exist, since a file stands in its place.
    ClassRegistry registry(dir.filePath(QStringLiteral("file/registry.ini")));
    EXPECT_TRUE(failed(registry.registerClass(fullClass())));
}

} // namespace
