#include "PlatformError.h"

#include "../support/QtPrinting.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>

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
    EXPECT_EQ(platformerror::make(53).text(), QStringLiteral(" 53: File not found"));
    EXPECT_EQ(platformerror::make(76).text(), QStringLiteral(" 76: Path not found"));
    EXPECT_EQ(platformerror::make(75).text(), QStringLiteral(" 75: Path/File access error"));
    EXPECT_EQ((PlatformError{-2, QStringLiteral("x")}).text(), QStringLiteral("-2: x"));
    EXPECT_FALSE(platformerror::make(0).isError());
}

TEST(PlatformError, OpeningFailuresLookAtThePath)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("sub")));
    const struct
    {
        QString path;
        int number;
    } cases[] = {{dir.path() + QStringLiteral("/missing"), 53},
                 {dir.path() + QStringLiteral("/nofolder/missing"), 76},
                 {dir.path() + QStringLiteral("/sub"), 75}};
    for (const auto &c : cases) {
        QFile file(c.path);
        errno = 0;
        EXPECT_FALSE(file.open(QIODevice::ReadOnly) && !QFileInfo(c.path).isDir());
        EXPECT_EQ(platformerror::forMissingOrUnreadable(c.path, errno).number, c.number) << c.path;
    }
}

} // namespace
