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
    } cases[] = {{ENOENT, 53}, {ENOTDIR, 76},      {EACCES, 70}, {EPERM, 70},  {EROFS, 70},
                 {ENOSPC, 61}, {EDQUOT, 61},       {EIO, 57},    {EEXIST, 58}, {EISDIR, 75},
                 {EMFILE, 67}, {ENAMETOOLONG, 52}, {ENXIO, 68},  {0, 57},      {EPIPE, 57}};
    for (const auto &c : cases)
        EXPECT_EQ(platformerror::fromErrno(c.os).number, c.number) << c.os;
    // a folder opened as a file, whatever the system said (missing paths: the loader's tests)
    EXPECT_EQ(platformerror::forMissingOrUnreadable(QDir::tempPath(), 0).number, 75);
}

// What the user reads: the blank-signed number, ": " and the description.
TEST(PlatformError, EveryNumberHasItsText)
{
    const struct
    {
        int number;
        const char16_t *text;
    } cases[] = {
        {52, u" 52: Bad file name or number"},
        {53, u" 53: File not found"},
        {55, u" 55: File already open"},
        {57, u" 57: Device I/O error"},
        {58, u" 58: File already exists"},
        {61, u" 61: Disk full"},
        {62, u" 62: Input past end of file"},
        {67, u" 67: Too many files"},
        {68, u" 68: Device unavailable"},
        {70, u" 70: Permission denied"},
        {71, u" 71: Disk not ready"},
        {75, u" 75: Path/File access error"},
        {76, u" 76: Path not found"},
        {481, u" 481: Invalid picture"},
        {20477, u" 20477: Invalid file name"},
        {32755, u" 32755: Cancel was selected"},
        {30009, u" 30009: Application-defined or object-defined error"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(platformerror::make(c.number).text(), QString::fromUtf16(c.text));
    EXPECT_EQ((PlatformError{-2, u"x"_s}).text(), u"-2: x"_s);
    EXPECT_EQ((PlatformError{0, u"x"_s}).text(), u" 0: x"_s);
    EXPECT_FALSE(platformerror::make(0).isError());
    EXPECT_TRUE(platformerror::make(0).description.isEmpty());
}

} // namespace
