#include "platform/SaveFile.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

namespace {

QByteArray contentsOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// A file size limit makes writes past it fail as a full disk would; QSaveFile
// alone would commit the shortened file.
TEST(SaveFile, FullDiskKeepsTheOldFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("item.bin"));
    {
        QSaveFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_FALSE(savefile::writeAndCommit(file, "old").isError());
    }
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit limited = old;
    limited.rlim_cur = 1000;
    // Buffered (small) and direct (large) writes take different paths in the device.
    for (const qsizetype size : {5000, 100000}) {
        QSaveFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
        const PlatformError error = savefile::writeAndCommit(file, QByteArray(size, 'x'));
        setrlimit(RLIMIT_FSIZE, &old);
        EXPECT_EQ(error.number, 61) << size;
        EXPECT_EQ(contentsOf(path), QByteArray("old")) << size;
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("item.bin")});
}

} // namespace
