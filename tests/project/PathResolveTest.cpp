#include "project/PathResolve.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "support/QtPrinting.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(PathResolve, SeparatorsAndLetterCase)
{
    QTemporaryDir dir;
    const QString root = dir.path() + u'/';
    ASSERT_TRUE(QDir(root).mkpath(u"Project/Const"_s) && QDir(root).mkpath(u"Project/Misc"_s));
    ASSERT_TRUE(QFile(root + u"Project/Const/Port.con"_s).open(QIODevice::WriteOnly));
    const std::pair<const char *, const char *> cases[] = {
        {"Project/Const/Port.con", "Project/Const/Port.con"},
        {"Project\\Const\\Port.con", "Project/Const/Port.con"},
        {"project\\CONST\\port.CON", "Project/Const/Port.con"},
        {"Project/Const/New.con", "Project/Const/New.con"},       // to be created
        {"PROJECT/misc/New.bin", "Project/Misc/New.bin"},         // folder matched, file new
        {"Project/Nothing/port.con", "Project/Nothing/port.con"}, // no match: as written
        {"Project//Const\\\\port.con", "Project/Const/Port.con"},
    };
    for (const auto &[written, resolved] : cases) {
        EXPECT_EQ(pathresolve::resolve(root + QLatin1String(written)),
                  root + QLatin1String(resolved))
            << written;
    }
    EXPECT_EQ(pathresolve::resolve(QString()), QString());

    // relative paths resolve against the working folder
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(root + u"Project"_s));
    EXPECT_EQ(pathresolve::resolve(u"const\\port.con"_s), u"Const/Port.con"_s);
    QDir::setCurrent(before);
}

} // namespace
