#include "PlatformError.h"

#include "../support/QtPrinting.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>

using namespace Qt::StringLiterals;

namespace {

TEST(PlatformError, ErrnoMapsToRunTimeNumbers)
{
    const struct
    {
        int os;
        int number;
    } cases[] = {{ENOENT, 53}, {ENOTDIR, 76},      {EACCES, 70}, {EPERM, 70},  {EROFS, 70},
                 {ENOSPC, 61}, {EDQUOT, 61},       {EIO, 57},    {EEXIST, 58}, {EISDIR, 75},
                 {EMFILE, 67}, {ENAMETOOLONG, 52}, {ENXIO, 68},  {0, 57},      {EPIPE, 57}};
    for (const auto &c : cases) {
        const PlatformError error = platformerror::fromErrno(c.os);
        EXPECT_EQ(error.number, c.number) << c.os;
        EXPECT_FALSE(error.description.isEmpty());
    }
}

TEST(PlatformError, TextIsBlankSignedNumberAndDescription)
{
    EXPECT_EQ(platformerror::make(53).text(), u" 53: File not found"_s);
    EXPECT_EQ(platformerror::make(76).text(), u" 76: Path not found"_s);
    EXPECT_EQ(platformerror::make(75).text(), u" 75: Path/File access error"_s);
    EXPECT_EQ((PlatformError{-2, u"x"_s}).text(), u"-2: x"_s);
    EXPECT_FALSE(platformerror::make(0).isError());
}

TEST(PlatformError, OpeningFailuresLookAtThePath)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"sub"_s));
    const struct
    {
        QString path;
        int number;
    } cases[] = {{dir.path() + u"/missing"_s, 53},
                 {dir.path() + u"/nofolder/missing"_s, 76},
                 {dir.path() + u"/sub"_s, 75}};
    for (const auto &c : cases) {
        QFile file(c.path);
        errno = 0;
        EXPECT_FALSE(file.open(QIODevice::ReadOnly) && !QFileInfo(c.path).isDir());
        EXPECT_EQ(platformerror::forMissingOrUnreadable(c.path, errno).number, c.number) << c.path;
    }
}

} // namespace
