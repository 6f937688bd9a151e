// The system-wide registration that the package's maintainer scripts make with
// vogreg.
#include "platform/automation/Registry.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// vogreg with and without --system against two registries of the test's own.
class SystemRegistrationTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    const QString userPath = dir.filePath(u"user.ini"_s);
    const QString systemPath = dir.filePath(u"system.ini"_s);
    const QString library = qEnvironmentVariable("FENDREL_BIN_DIR") + u"/libvog.so"_s;

    struct Run
    {
        int exitCode = -1;
        QString error;
    };
    Run vogreg(const QStringList &args, const QString &system)
    {
        QProcess tool;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"FENDREL_CLASS_REGISTRY"_s, userPath);
        environment.insert(u"FENDREL_SYSTEM_CLASS_REGISTRY"_s, system);
        tool.setProcessEnvironment(environment);
        tool.start(QStringLiteral(VOGREG), args);
        if (!tool.waitForFinished(30000))
            return {};
        return {tool.exitCode(), QString::fromLocal8Bit(tool.readAllStandardError())};
    }
    static bool registered(const QString &path)
    {
        QUuid found;
        return automation::ClassRegistry(path).classFromProgId(u"Vog.VogCtrl.1"_s, &found) ==
               automation::S_OK;
    }
};

TEST_F(SystemRegistrationTest, WritesAndRemovesTheRegistryItNames)
{
    const QString unwritable = dir.filePath(u"file/system.ini"_s); // "file" is a file
    QFile blocker(dir.filePath(u"file"_s));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    const struct
    {
        QStringList args;
        QString system;
        int exitCode;
        const char *message;
        bool inUser;
        bool inSystem;
    } steps[] = {
        {{u"--system"_s, library}, systemPath, 0, "", false, true},
        {{library}, systemPath, 0, "", true, true},
        {{u"--system"_s, u"-u"_s, library}, systemPath, 0, "", true, false},
        {{u"--system"_s, u"-u"_s, library}, systemPath, 1, "0x80040200", true, false},
        {{u"-u"_s, library}, systemPath, 0, "", false, false},
        {{u"-u"_s, u"--system"_s, library}, systemPath, 1, "0x80040200", false, false},
        {{u"--system"_s, library}, unwritable, 1, "system registry is", false, false},
        {{u"--system"_s}, systemPath, 2, "Usage: vogreg [--system] [-u] LIBRARY", false, false},
        {{u"--all"_s, library}, systemPath, 2, "usage", false, false},
        {{u"-u"_s, library}, systemPath, 1, "0x80040200", false, false},
    };
    for (const auto &step : steps) {
        const QString what = step.args.join(QLatin1Char(' '));
        SCOPED_TRACE(what.toStdString());
        const Run run = vogreg(step.args, step.system);
        EXPECT_EQ(run.exitCode, step.exitCode);
        EXPECT_TRUE(run.error.contains(QString::fromLatin1(step.message)))
            << run.error.toStdString();
        EXPECT_EQ(registered(userPath), step.inUser);
        EXPECT_EQ(registered(systemPath), step.inSystem);
    }
}

} // namespace
