#include "platform/PlatformError.h"

#include "support/QtPrinting.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

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

// What the user reads: the blank-signed number, ": " and the description.
TEST(PlatformError, EveryNumberHasItsText)
{
    const struct
    {
        int number;
        const char *text;
    } cases[] = {
        {52, " 52: Bad file name or number"},
        {53, " 53: File not found"},
        {55, " 55: File already open"},
        {57, " 57: Device I/O error"},
        {58, " 58: File already exists"},
        {61, " 61: Disk full"},
        {62, " 62: Input past end of file"},
        {67, " 67: Too many files"},
        {68, " 68: Device unavailable"},
        {70, " 70: Permission denied"},
        {71, " 71: Disk not ready"},
        {75, " 75: Path/File access error"},
        {76, " 76: Path not found"},
        {77, " 77: Too many levels of symbolic links"},
        {481, " 481: Invalid picture"},
        {20477, " 20477: Invalid file name"},
        {32755, " 32755: Cancel was selected"},
        {1, " 1: Application-defined or object-defined error"},
        {0, " 0: "},
    };
    for (const auto &c : cases)
        EXPECT_EQ(platformerror::make(c.number).text(), QString::fromLatin1(c.text));
    EXPECT_EQ((PlatformError{-2, u"x"_s}).text(), u"-2: x"_s);
    EXPECT_EQ((PlatformError{0, u"x"_s}).text(), u" 0: x"_s);
    EXPECT_FALSE(platformerror::make(0).isError());
    EXPECT_TRUE(platformerror::make(0).description.isEmpty());
}

// The path decides what a failed open was: a folder, a folder missing on the
// way, a file on the way, a file that may not be written.
TEST(PlatformError, ThePathRefinesTheFailure)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(u"file"_s);
    ASSERT_TRUE(QFile(file).open(QIODevice::WriteOnly));
    const struct
    {
        QString path;
        int os;
        int unreadable; // forMissingOrUnreadable
        int unwritable; // forUnwritable
    } cases[] = {
        {dir.path(), 0, 75, 75},
        {dir.filePath(u"none"_s), 0, 53, 53},
        {dir.filePath(u"none"_s), ENOENT, 53, 53},
        {dir.filePath(u"none/x"_s), ENOENT, 76, 76},
        {file + u"/x"_s, 0, 76, 76}, // a file where a folder should be
        {file, EIO, 57, 57},
        // a folder no one may write, not even root: still a folder
        {u"/proc/1"_s, EISDIR, 75, 75},
        {u"/proc/1/status"_s, EACCES, 70, 70},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(platformerror::forMissingOrUnreadable(c.path, c.os).number, c.unreadable)
            << c.path;
        EXPECT_EQ(platformerror::forUnwritable(c.path, c.os).number, c.unwritable) << c.path;
    }
}

TEST(PlatformError, OpeningPastTheLimitOfOpenFilesIsTooManyFiles)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"file"_s);
    ASSERT_TRUE(QFile(path).open(QIODevice::WriteOnly));
    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &old), 0);
    // The lowest free descriptor becomes the limit, so the next open fails.
    const int lowest = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    ASSERT_GE(lowest, 0);
    ::close(lowest);
    rlimit tight = old;
    tight.rlim_cur = static_cast<rlim_t>(lowest);
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &tight), 0);
    QFile file(path);
    errno = 0;
    const bool opened = file.open(QIODevice::ReadOnly);
    const int osError = errno;
    ::setrlimit(RLIMIT_NOFILE, &old);
    ASSERT_FALSE(opened);
    ASSERT_EQ(osError, EMFILE);
    EXPECT_EQ(platformerror::fromFile(file, osError).text(), u" 67: Too many files"_s);
}

} // namespace
