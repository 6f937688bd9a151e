#include "ItemFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

QByteArray contentsOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

TEST(ItemFile, WritesExactlyTheGivenBytesOverAnyOldContent)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("item.bin"));
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));

    for (const QByteArray &bytes :
         {all, QByteArray("7"), QByteArray(), QByteArray("\r\n\x00", 3)}) {
        ASSERT_FALSE(itemfile::write(path, bytes).isError());
        EXPECT_EQ(contentsOf(path), bytes);
        const itemfile::ReadResult read = itemfile::read(path);
        EXPECT_TRUE(read.ok());
        EXPECT_EQ(read.bytes, bytes);
    }
    // Nothing but the item file is left behind.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("item.bin")});
}

TEST(ItemFile, FailuresCarryTheClassicErrorNumbers)
{
    QTemporaryDir dir;
    const QString plain = dir.filePath(QStringLiteral("plain"));
    ASSERT_FALSE(itemfile::write(plain, "x").isError());

    const struct
    {
        QString path;
        int readError;
        int writeError;
    } cases[] = {
        {dir.filePath(QStringLiteral("missing.bin")), 53, 0},
        {dir.filePath(QStringLiteral("no/such/folder.bin")), 76, 76},
        {dir.path(), 75, 75},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(itemfile::read(c.path).error.number, c.readError) << c.path.toStdString();
        const PlatformError written = itemfile::write(c.path, "abc");
        EXPECT_EQ(written.number, c.writeError) << c.path.toStdString();
        if (c.writeError == 0)
            QFile::remove(c.path);
    }
    EXPECT_EQ(contentsOf(plain), QByteArray("x"));
}

TEST(ItemFile, ReadOnlyFileIsRefusedAndKept)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "file permissions do not bind the superuser";
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("const.txt"));
    ASSERT_FALSE(itemfile::write(path, "12").isError());
    QFile::setPermissions(path, QFile::ReadOwner);
    const PlatformError error = itemfile::write(path, "345");
    EXPECT_EQ(error.number, 70);
    EXPECT_EQ(contentsOf(path), QByteArray("12"));
}

TEST(ItemFile, AccessMessage)
{
    EXPECT_EQ(itemfile::accessMessage(QStringLiteral("Const\\c1.txt"), platformerror::make(53),
                                      QStringLiteral(". Clicking OK will create a new file")),
              QStringLiteral("Could not access Resource file ('Const/c1.txt'): 53: File not "
                             "found. Clicking OK will create a new file"));
    EXPECT_EQ(itemfile::accessMessage(QStringLiteral("x"), platformerror::make(61)),
              QStringLiteral("Could not access Resource file ('x'): 61: Disk full"));
}

} // namespace
