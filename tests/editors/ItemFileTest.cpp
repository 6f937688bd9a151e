#include "project/ItemFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <tuple>

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
    const std::tuple<QString, int, int> cases[] = {
        {dir.filePath(QStringLiteral("missing.bin")), 53, 0},
        {dir.filePath(QStringLiteral("no/such/folder.bin")), 76, 76},
        {dir.path(), 75, 75},
    };
    for (const auto &[path, readError, writeError] : cases) {
        EXPECT_EQ(itemfile::read(path).error.number, readError) << path.toStdString();
        EXPECT_EQ(itemfile::write(path, "abc").number, writeError) << path.toStdString();
        QFile::remove(dir.filePath(QStringLiteral("missing.bin")));
    }
    EXPECT_EQ(contentsOf(plain), QByteArray("x"));

    // File permissions do not bind the superuser.
    if (geteuid() != 0) {
        QFile::setPermissions(plain, QFile::ReadOwner);
        EXPECT_EQ(itemfile::write(plain, "345").number, 70);
        EXPECT_EQ(contentsOf(plain), QByteArray("x"));
    }
}

} // namespace
