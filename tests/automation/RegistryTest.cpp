#include "platform/automation/Registry.h"

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

TEST_F(ClassRegistryTest, FindsRegisteredClassesAndNamesTheUnknown)
{
    EXPECT_EQ(registry.classFromProgId(progId, &found), CO_E_CLASSSTRING);
    EXPECT_EQ(registry.classFromProgId(QString(), &found), CO_E_CLASSSTRING);
    EXPECT_EQ(registry.serverOf(classId, &server), REGDB_E_CLASSNOTREG);

    ASSERT_EQ(registry.registerClass(thing()), S_OK);
    ASSERT_EQ(registry.classFromProgId(progId, &found), S_OK);
    EXPECT_EQ(found, classId);
    ASSERT_EQ(registry.serverOf(classId, &server), S_OK);
    EXPECT_EQ(server, u"/opt/thing/libthing.so"_s);
}

TEST_F(ClassRegistryTest, UnregisteringRemovesExactlyWhatWasWritten)
{
    ASSERT_EQ(registry.registerClass(thing(QUuid::createUuid(), u"Other.Thing.1"_s)), S_OK);
    const QStringList before = registry.keys();

    ASSERT_EQ(registry.registerClass(thing()), S_OK);
    const TypeLibRegistration lib{libId,           u"1.0"_s,
                                  u"ThingLib"_s,   u"Thing module"_s,
                                  u"/opt/thing"_s, u"/opt/thing/libthing.so"_s};
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

} // namespace
