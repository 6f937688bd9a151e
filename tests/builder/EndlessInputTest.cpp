// k7x on inputs that never end: each command stops where the format says the
// file must end and refuses it, and its peak memory stays far below what an
// unbounded read would take (a bound on memory, not a timing).
#include "builder/K7xLayout.h"

#include "BuilderFiles.h"

#include <gtest/gtest.h>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

extern char **environ;

namespace {

using namespace builderfiles;

struct Finished
{
    int status = -1;
    long peakKiB = 0;
};

// Runs a shell command line (k7x named as "$K7X") with its output thrown away,
// and measures the peak resident memory of it and its children.
Finished run(const QString &commandLine)
{
    const QByteArray k7x =
        QFile::encodeName(qEnvironmentVariable("FENDREL_BIN_DIR") + QStringLiteral("/k7x"));
    ::setenv("K7X", k7x.constData(), 1);
    const QByteArray line = (commandLine + QStringLiteral(" >/dev/null 2>&1")).toLocal8Bit();
    const char *argv[] = {"sh", "-c", line.constData(), nullptr};
    pid_t pid = 0;
    if (::posix_spawn(&pid, "/bin/sh", nullptr, nullptr, const_cast<char **>(argv), environ) != 0)
        return {};
    int status = 0;
    rusage usage{};
    if (::wait4(pid, &status, 0, &usage) != pid)
        return {};
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, usage.ru_maxrss};
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
