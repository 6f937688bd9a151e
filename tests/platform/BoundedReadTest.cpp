#include "platform/BoundedRead.h"

#include "support/ItemKinds.h"
#include "support/QtPrinting.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using boundedread::Accept;
using itemkinds::Kind;

// Every kind of path, read as the compile reads it (any kind) and as the
// windows read it (regular files only), at most 16 bytes.
TEST(BoundedRead, EveryKindGivesItsBytesUpToTheLimitOrARefusal)
{
    const struct
    {
        Kind kind;
        const char *bytes; // nullptr: refused with error
        int error;
        int regularOnlyError; // 0: read as with any kind
    } cases[] = {
        {Kind::Regular, "FIFODATA", 0, 0},
        {Kind::Empty, "", 0, 0},
        {Kind::FifoWithWriter, "FIFODATA", 0, 75},
        {Kind::FifoWithoutWriter, nullptr, 68, 75},
        {Kind::DevZero, "\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0", 0, 75},
        {Kind::DevNull, "", 0, 75},
        {Kind::Folder, nullptr, 75, 75},
        {Kind::Socket, nullptr, 75, 75},
        {Kind::LinkLoop, nullptr, 77, 77},
    };
    QTemporaryDir scratch;
    const QString path = scratch.filePath(QStringLiteral("item"));
    for (const auto &c : cases) {
        for (const Accept accept : {Accept::AnyKind, Accept::RegularOnly}) {
            SCOPED_TRACE(testing::Message() << int(c.kind) << " " << int(accept));
            const itemkinds::ItemOfKind item(c.kind, path);
            const boundedread::Result read = boundedread::read(path, 16, accept);
            const int error =
                accept == Accept::RegularOnly && c.regularOnlyError ? c.regularOnlyError : c.error;
            EXPECT_EQ(read.error.number, error);
            const qsizetype size = c.kind == Kind::DevZero ? 16 : c.bytes ? qstrlen(c.bytes) : 0;
            EXPECT_EQ(read.bytes, error ? QByteArray() : QByteArray(c.bytes, size));
        }
    }
}

TEST(BoundedRead, ReadsUpToTheLimitAndNoFurther)
{
    QTemporaryDir scratch;
    const QString path = scratch.filePath(QStringLiteral("item"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(70000, 'x'));
    file.close();
    for (const qint64 limit : {0, 1, 65536, 65537, 69999, 70000, 70001}) {
        const boundedread::Result read = boundedread::read(path, limit, Accept::RegularOnly);
        EXPECT_EQ(read.bytes.size(), std::min<qint64>(limit, 70000)) << limit;
    }
}

} // namespace
