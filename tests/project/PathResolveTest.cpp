#include "PathResolve.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "../support/QtPrinting.h"

#include <gtest/gtest.h>

namespace {

class PathResolveTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        root = dir.path() + QLatin1Char('/');
        ASSERT_TRUE(QDir(root).mkpath(QStringLiteral("Project/Const")));
        ASSERT_TRUE(QDir(root).mkpath(QStringLiteral("Project/Misc")));
        QFile file(root + QStringLiteral("Project/Const/Port.con"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    QTemporaryDir dir;
    QString root;
};

TEST_F(PathResolveTest, SeparatorsAndLetterCase)
{
    struct Case
    {
        const char *written;
        const char *resolved;
    };
    const Case cases[] = {
        {"Project/Const/Port.con", "Project/Const/Port.con"},
        {"Project\\Const\\Port.con", "Project/Const/Port.con"},
        {"project\\CONST\\port.CON", "Project/Const/Port.con"},
        {"Project/Const/New.con", "Project/Const/New.con"},       // to be created
        {"PROJECT/misc/New.bin", "Project/Misc/New.bin"},         // folder matched, file new
        {"Project/Nothing/port.con", "Project/Nothing/port.con"}, // no match: as written
        {"Project//Const\\\\port.con", "Project/Const/Port.con"},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(pathresolve::resolve(root + QString::fromLatin1(c.written)),
                  root + QString::fromLatin1(c.resolved))
            << c.written;
    }
}

TEST_F(PathResolveTest, RelativePathsResolveAgainstWorkingDirectory)
{
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(root + QStringLiteral("Project")));
    EXPECT_EQ(pathresolve::resolve(QStringLiteral("const\\port.con")),
              QStringLiteral("Const/Port.con"));
    QDir::setCurrent(before);
}

TEST(PathResolve, EmptyStaysEmpty)
{
    EXPECT_EQ(pathresolve::resolve(QString()), QString());
}

} // namespace
