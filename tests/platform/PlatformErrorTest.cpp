#include "platform/PlatformError.h"

#include "support/QtPrinting.h"

#include <QDir>

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
    } cases[] = {{ENOENT, 53}, {ENOTDIR, 76}, {EACCES, 70}, {EPERM, 70},
                 {EROFS, 70},  {ENOSPC, 61},  {EDQUOT, 61}, {EIO, 57},
                 {EEXIST, 58}, {EISDIR, 75},  {EMFILE, 67}, {ENAMETOOLONG, 52},
                 {ENXIO, 68},  {0, 57},       {EPIPE, 57},  {ELOOP, 77}};
    for (const auto &c : cases) {
        const PlatformError error = platformerror::fromErrno(c.os);
        EXPECT_EQ(error.number, c.number) << c.os;
        EXPECT_FALSE(error.description.isEmpty());
    }
    // a folder opened as a file, whatever the system said (missing paths: the loader's tests)
    EXPECT_EQ(platformerror::forMissingOrUnreadable(QDir::tempPath(), 0).number, 75);
}

TEST(PlatformError, TextIsBlankSignedNumberAndDescription)
{
    EXPECT_EQ(platformerror::make(53).text(), u" 53: File not found"_s);
    EXPECT_EQ(platformerror::fromErrno(ELOOP).text(), u" 77: Too many levels of symbolic links"_s);
    EXPECT_EQ((PlatformError{-2, u"x"_s}).text(), u"-2: x"_s);
    EXPECT_FALSE(platformerror::make(0).isError());
}

} // namespace
