#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Small file helpers shared by the builder's tests.
namespace builderfiles {

inline QByteArray contentsOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// Writes bytes to path, making its folders.
inline void put(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// Firmware bytes: a pattern, so that misplaced bytes show.
inline QByteArray firmware(qsizetype size, int seed = 1)
{
    QByteArray bytes(size, '\0');
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = static_cast<char>(seed + i * 13);
    return bytes;
}

// A file of tests/data/builder.
inline QByteArray fixture(const char *name)
{
    return contentsOf(qEnvironmentVariable("FENDREL_TEST_DATA") + QStringLiteral("/builder/") +
                      QLatin1String(name));
}

// A scratch folder that is also the working directory, so stray files show.
class ScratchTest : public ::testing::Test
{
public:
    void SetUp() override
    {
        ASSERT_TRUE(scratch.isValid());
        if (oldCurrent.isEmpty()) // set-up may run again for a fresh case
            oldCurrent = QDir::currentPath();
        QDir::setCurrent(scratch.path());
    }
    void TearDown() override { QDir::setCurrent(oldCurrent); }
    QString path(const QString &name) const { return scratch.filePath(name); }

    QTemporaryDir scratch;
    QString oldCurrent;
};

} // namespace builderfiles
