// Registration into a registry of the test's own, and creation by ProgID when the
// library is missing, no library, or unregistered.
#include "VogHost.h"

#include "platform/automation/Library.h"

#include <QFile>
#include <QProcess>

using namespace automation;
using namespace Qt::StringLiterals;

namespace {

const QString progId = u"Vog.VogCtrl.1"_s;

TEST(VogRegistration, WritesAndRemovesExactlyItsEntries)
{
    VogHost host; // registered
    const ClassRegistry registry = host.registry();
    const QString control = u"CLSID/{E1E72B77-BEC3-11D3-8485-0080C890AEF9}/"_s;
    const QString page = u"CLSID/{E1E72B94-BEC3-11D3-8485-0080C890AEF9}/"_s;
    const QString libId = u"{E1E72B91-BEC3-11D3-8485-0080C890AEF9}"_s;
    const QString lib = u"TypeLib/"_s + libId + u"/1.0/"_s;
    const QString path = QFileInfo(libraryPath()).absoluteFilePath();
    const std::pair<QString, QString> expected[] = {
        {control + u"InprocServer32"_s, path},
        {control + u"MiscStatus"_s, u"131473"_s},
        {control + u"Name"_s, u"Vog Control"_s},
        {control + u"ProgID"_s, u"Vog.VogCtrl.1"_s},
        {control + u"ThreadingModel"_s, u"Apartment"_s},
        {control + u"ToolboxBitmap32"_s, path + u", 1"_s},
        {control + u"TypeLib"_s, libId},
        {control + u"Version"_s, u"1.0"_s},
        {page + u"InprocServer32"_s, path},
        {page + u"Name"_s, u"Vog Property Page"_s},
        {u"ProgID/Vog.VogCtrl.1/CLSID"_s, u"{E1E72B77-BEC3-11D3-8485-0080C890AEF9}"_s},
        {u"ProgID/Vog.VogCtrl.1/Name"_s, u"Vog Control"_s},
        {lib + u"HelpDir"_s, QFileInfo(path).absolutePath()},
        {lib + u"HelpString"_s, u"Vog ActiveX Control module"_s},
        {lib + u"Name"_s, u"VogLib"_s},
        {lib + u"Path"_s, path},
    };
    QStringList keys;
    for (const auto &[key, value] : expected) {
        keys.append(key);
        EXPECT_EQ(registry.value(key), value) << key;
    }
    keys.sort();
    QStringList written = registry.keys();
    written.sort();
    EXPECT_EQ(written, keys);

    EXPECT_EQ(unregisterServer(libraryPath()), S_OK);
    EXPECT_TRUE(registry.keys().isEmpty());
    EXPECT_EQ(unregisterServer(libraryPath()), SELFREG_E_TYPELIB);
    Object vog;
    EXPECT_EQ(vog.create(u"Vog.VogCtrl.1"_s, registry), CO_E_CLASSSTRING);
}

TEST(VogRegistration, UnwritableRegistryFailsWithTheTypeLibraryCode)
{
    QTemporaryDir dir;
    QFile blocker(dir.filePath(u"file"_s)); // a file where the registry's folder should be
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    qputenv("FENDREL_CLASS_REGISTRY", dir.filePath(u"file/registry.ini"_s).toLocal8Bit());
    EXPECT_EQ(registerServer(libraryPath()), SELFREG_E_TYPELIB);
    qunsetenv("FENDREL_CLASS_REGISTRY");
}

TEST(VogCreation, MissingOrBrokenLibrariesGiveStatusCodes)
{
    VogHost host;
    QTemporaryDir dir;
    Object vog;
    EXPECT_EQ(vog.put(u"SizeX"_s, 1), E_POINTER);
    Status status = S_OK;
    vog = host.create();
    EXPECT_FALSE(vog.call(u"SetData"_s, {}, &status).isValid());
    EXPECT_EQ(status, DISP_E_BADPARAMCOUNT);

    // Registered from a copy that is then deleted.
    const QString copy = dir.filePath(u"libcopy.so"_s);
    ASSERT_TRUE(QFile::copy(libraryPath(), copy));
    ASSERT_EQ(registerServer(copy), S_OK);
    ASSERT_TRUE(QFile::remove(copy));
    EXPECT_EQ(vog.create(progId, host.registry()), CO_E_DLLNOTFOUND);
    EXPECT_TRUE(vog.isNull());

    // A file that is not a library (under a name never loaded before).
    const QString junkPath = dir.filePath(u"libjunk.so"_s);
    ClassRegistration entry;
    entry.clsid = QUuid::fromString(host.registry().value(u"ProgID/"_s + progId + u"/CLSID"_s));
    entry.serverPath = junkPath;
    entry.progId = progId;
    ASSERT_EQ(host.registry().registerClass(entry), S_OK);
    QFile junk(junkPath);
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly) && junk.write("not a library") > 0);
    junk.close();
    EXPECT_EQ(vog.create(progId, host.registry()), CO_E_ERRORINDLL);
    EXPECT_TRUE(vog.isNull());
    EXPECT_EQ(registerServer(dir.filePath(u"absent.so"_s)), CO_E_DLLNOTFOUND);
    EXPECT_EQ(registerServer(junkPath), CO_E_ERRORINDLL);
}

TEST(VogCreation, RegistrationToolExitsWithStatus)
{
    VogHost host;
    ASSERT_EQ(unregisterServer(libraryPath()), S_OK);
    const QString absent = host.registryPath() + u".so"_s;
    const struct
    {
        QStringList args;
        int exitCode;
        const char *message;
        bool registered;
    } cases[] = {
        {{libraryPath()}, 0, "", true},
        {{u"-u"_s, libraryPath()}, 0, "", false},
        {{absent}, 1, "0x800401f8", false},
        {{u"-u"_s, absent}, 1, "0x800401f8", false},
        {{}, 2, "usage", false},
    };
    for (const auto &c : cases) {
        QProcess tool;
        tool.start(QStringLiteral(VOGREG), c.args);
        ASSERT_TRUE(tool.waitForFinished(30000)) << c.message;
        EXPECT_EQ(tool.exitCode(), c.exitCode) << c.message;
        EXPECT_TRUE(tool.readAllStandardError().contains(c.message)) << c.message;
        QUuid found;
        EXPECT_EQ(host.registry().classFromProgId(progId, &found) == S_OK, c.registered);
    }
    EXPECT_TRUE(host.registry().keys().isEmpty());
}

} // namespace
