#include "Library.h"
#include "Object.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace automation;

namespace {

const QString progId = QStringLiteral("Fendrel.TestCounter.1");

// Each test registers into a registry of its own.
class Creation : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        qputenv("FENDREL_CLASS_REGISTRY", registryPath().toLocal8Bit());
    }
    void TearDown() override { qunsetenv("FENDREL_CLASS_REGISTRY"); }

    QString registryPath() const { return dir.filePath(QStringLiteral("registry.ini")); }
    ClassRegistry registry() const { return ClassRegistry(registryPath()); }

    QTemporaryDir dir;
};

TEST_F(Creation, CreatesByProgIdAndCallsByName)
{
    ASSERT_EQ(registerServer(QStringLiteral(TEST_COMPONENT)), S_OK);
    Object counter;
    ASSERT_EQ(counter.create(progId, registry()), S_OK);
    EXPECT_EQ(counter.widget(), nullptr);

    EXPECT_EQ(counter.get(QStringLiteral("value")).toInt(), 7); // started with its defaults
    EXPECT_EQ(counter.put(QStringLiteral("Value"), 2.5), S_OK);
    EXPECT_EQ(counter.get(QStringLiteral("VALUE")).toInt(), 2);
    EXPECT_EQ(counter.call(QStringLiteral("Add"), {40}).toInt(), 42);

    Status status = S_OK;
    EXPECT_FALSE(counter.call(QStringLiteral("Add"), {}, &status).isValid());
    EXPECT_EQ(status, DISP_E_BADPARAMCOUNT);
    EXPECT_EQ(counter.put(QStringLiteral("Value"), QStringLiteral("many")), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(counter.put(QStringLiteral("Value"), 40000), DISP_E_OVERFLOW);
    EXPECT_EQ(counter.put(QStringLiteral("Nothing"), 1), DISP_E_UNKNOWNNAME);
    EXPECT_EQ(counter.get(QStringLiteral("value")).toInt(), 2);
}

TEST_F(Creation, MissingOrUnregisteredClassesGiveStatusCodes)
{
    Object counter;
    EXPECT_EQ(counter.create(progId, registry()), CO_E_CLASSSTRING);
    EXPECT_TRUE(counter.isNull());
    EXPECT_EQ(counter.put(QStringLiteral("Value"), 1), E_POINTER);

    // Registered from a copy that is then deleted.
    const QString copy = dir.filePath(QStringLiteral("libcopy.so"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(TEST_COMPONENT), copy));
    ASSERT_EQ(registerServer(copy), S_OK);
    ASSERT_TRUE(QFile::remove(copy));
    EXPECT_EQ(counter.create(progId, registry()), CO_E_DLLNOTFOUND);

    // A file that is not a library (under a name never loaded before).
    const QString junkPath = dir.filePath(QStringLiteral("libjunk.so"));
    ClassRegistration entry;
    entry.clsid = QUuid::fromString(
        registry().value(QStringLiteral("ProgID/") + progId + QStringLiteral("/CLSID")));
    entry.serverPath = junkPath;
    entry.progId = progId;
    ASSERT_EQ(registry().registerClass(entry), S_OK);
    QFile junk(junkPath);
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a library");
    junk.close();
    EXPECT_EQ(counter.create(progId, registry()), CO_E_ERRORINDLL);
    EXPECT_TRUE(counter.isNull());

    EXPECT_EQ(registerServer(dir.filePath(QStringLiteral("absent.so"))), CO_E_DLLNOTFOUND);
    EXPECT_EQ(registerServer(junkPath), CO_E_ERRORINDLL);

    ASSERT_EQ(registerServer(QStringLiteral(TEST_COMPONENT)), S_OK);
    ASSERT_EQ(unregisterServer(QStringLiteral(TEST_COMPONENT)), S_OK);
    EXPECT_EQ(counter.create(progId, registry()), CO_E_CLASSSTRING);
    EXPECT_TRUE(registry().keys().isEmpty());
}

struct ToolCase
{
    const char *what;
    QStringList args;
    int exitCode;
    const char *message;
};

TEST_F(Creation, RegistrationToolExitsWithStatus)
{
    const QString absent = dir.filePath(QStringLiteral("absent.so"));
    const ToolCase cases[] = {
        {"register", {QStringLiteral(TEST_COMPONENT)}, 0, ""},
        {"unregister", {QStringLiteral("-u"), QStringLiteral(TEST_COMPONENT)}, 0, ""},
        {"missing library", {absent}, 1, "0x800401f8"},
        {"missing library unregistered", {QStringLiteral("-u"), absent}, 1, "0x800401f8"},
        {"no library named", {}, 2, "usage"},
    };
    for (const ToolCase &c : cases) {
        QProcess tool;
        tool.start(QStringLiteral(VOGREG), c.args);
        ASSERT_TRUE(tool.waitForFinished(30000)) << c.what;
        EXPECT_EQ(tool.exitCode(), c.exitCode) << c.what;
        EXPECT_TRUE(tool.readAllStandardError().contains(c.message)) << c.what;
        if (c.exitCode == 0 && c.args.size() == 1) {
            QUuid found;
            EXPECT_EQ(registry().classFromProgId(progId, &found), S_OK);
        }
    }
    EXPECT_TRUE(registry().keys().isEmpty());
}

} // namespace
