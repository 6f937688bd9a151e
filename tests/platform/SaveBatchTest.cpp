#include "platform/SaveBatch.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

QByteArray contentsOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

mode_t modeOf(const QString &path)
{
    struct stat info
    {
    };
    EXPECT_EQ(::stat(QFile::encodeName(path).constData(), &info), 0);
    return info.st_mode & 07777;
}

class SaveBatchTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    QString path(const QString &name) const { return dir.filePath(name); }
    QStringList entries() const
    {
        return QDir(dir.path()).entryList(QDir::Files | QDir::System | QDir::NoDotAndDotDot);
    }
    void put(const QString &name, const QByteArray &bytes, mode_t mode) const
    {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        ASSERT_EQ(::chmod(QFile::encodeName(path(name)).constData(), mode), 0);
    }
};

// Nothing changes before the commit; after it, new files have the usual mode,
// replaced ones keep theirs, a hard-linked one is rewritten for both names.
TEST_F(SaveBatchTest, TargetsChangeOnlyAtTheCommit)
{
    const mode_t mask = ::umask(022);
    put(u"old.bin"_s, "old", 0600);
    put(u"linked.bin"_s, "old", 0644);
    ASSERT_TRUE(QFile::link(path(u"linked.bin"_s), path(u"other-name"_s)));
    {
        SaveBatch batch;
        ASSERT_FALSE(batch.add(path(u"new.bin"_s), "new").isError());
        ASSERT_FALSE(batch.add(path(u"old.bin"_s), "").isError());
        EXPECT_EQ(contentsOf(path(u"old.bin"_s)), "old");
        EXPECT_EQ(contentsOf(path(u"new.bin"_s)), "<missing>");
    } // never committed
    EXPECT_EQ(entries(), (QStringList{u"linked.bin"_s, u"old.bin"_s, u"other-name"_s}));

    QFile::remove(path(u"other-name"_s));
    ASSERT_EQ(::link(QFile::encodeName(path(u"linked.bin"_s)).constData(),
                     QFile::encodeName(path(u"second.bin"_s)).constData()),
              0);
    SaveBatch batch;
    ASSERT_FALSE(batch.add(path(u"new.bin"_s), "new").isError());
    ASSERT_FALSE(batch.add(path(u"old.bin"_s), "").isError());
    ASSERT_FALSE(batch.add(path(u"linked.bin"_s), "relinked").isError());
    const PlatformError unwritable = batch.add(path(u"no/such.bin"_s), "x");
    EXPECT_EQ(unwritable.number, 76);
    ASSERT_FALSE(batch.commit().isError());
    EXPECT_EQ(contentsOf(path(u"new.bin"_s)), "new");
    EXPECT_EQ(contentsOf(path(u"old.bin"_s)), "");
    EXPECT_EQ(contentsOf(path(u"second.bin"_s)), "relinked");
    EXPECT_EQ(modeOf(path(u"new.bin"_s)), 0644u);
    EXPECT_EQ(modeOf(path(u"old.bin"_s)), 0600u);
    EXPECT_EQ(entries(),
              (QStringList{u"linked.bin"_s, u"new.bin"_s, u"old.bin"_s, u"second.bin"_s}));
    ::umask(mask);
}

} // namespace
