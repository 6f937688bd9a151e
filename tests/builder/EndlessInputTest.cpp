// k7x on inputs that never end: each command stops where the format says the
// file must end and refuses it, and its peak memory stays far below what an
// unbounded read would take (a bound on memory, not a timing).
#include "builder/K7xLayout.h"

#include "BuilderFiles.h"

#include <gtest/gtest.h>

#include <QProcess>

#include <cstdlib>

namespace {

using namespace builderfiles;

struct Finished
{
    int status = -1;
    long peakKiB = 0;
};

// Runs a shell command line (k7x named as "$K7X") with its output thrown away,
// and measures the peak resident memory of what it started.
Finished run(const QString &commandLine)
{
    const QByteArray k7x =
        QFile::encodeName(qEnvironmentVariable("FENDREL_BIN_DIR") + QStringLiteral("/k7x"));
    ::setenv("K7X", k7x.constData(), 1);
    QProcess measure;
    measure.start(QStringLiteral(FENDREL_PEAK_MEMORY),
                  {commandLine + QStringLiteral(" >/dev/null 2>&1")});
    if (!measure.waitForFinished(60000))
        return {};
    const QList<QByteArray> words = measure.readAllStandardOutput().trimmed().split(' ');
    if (words.size() != 2)
        return {};
    return {words[0].toInt(), words[1].toLong()};
}

TEST(EndlessInput, EveryCommandStopsWhereTheFormatEnds)
{
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    const QString before = QDir::currentPath();
    QDir::setCurrent(scratch.path());
    put(QStringLiteral("fw.bin"), QByteArray(k7x::ImageSize, '\x11'));
    put(QStringLiteral("P/Misc/a.bin"), "abc");
    put(QStringLiteral("P/p.k7r"), "A\tMisc\\a.bin\th\tT\r\n");
    ASSERT_EQ(run(QStringLiteral("\"$K7X\" build P/p.k7r fw.bin ok.k7x")).status, 0);

    const struct
    {
        const char *line;
        int status;
    } cases[] = {
        {"\"$K7X\" verify /dev/zero", 1},
        {"\"$K7X\" verify /dev/urandom", 1},
        {"\"$K7X\" list /dev/zero", 1},
        {"\"$K7X\" extract /dev/zero 0 out.bin", 1},
        // a valid header, then bytes without end: the item is still where it was
        {"(cat ok.k7x; cat /dev/zero) | \"$K7X\" verify -", 1},
        {"(cat ok.k7x; cat /dev/zero) | \"$K7X\" extract - 0 out.bin", 0},
        // the project file
        {"\"$K7X\" build /dev/zero fw.bin out.k7x", 1},
        {"\"$K7X\" list ok.k7x /dev/zero", 1},
    };
    for (const auto &c : cases) {
        const Finished finished = run(QLatin1String(c.line));
        EXPECT_EQ(finished.status, c.status) << c.line;
        EXPECT_LT(finished.peakKiB, 100 * 1024) << c.line;
    }
    EXPECT_EQ(contentsOf(QStringLiteral("out.bin")), QByteArray("abc"));
    QDir::setCurrent(before);
}

} // namespace
