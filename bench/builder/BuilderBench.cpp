// Throughput of the format code alone, without the file system: writing the
// resource area of a project and verifying a finished file; and the look-up of
// item files named in other letter case. The end-to-end compile against cat is
// bench/compile_vs_cat.sh.
#include "builder/K7xLayout.h"
#include "builder/K7xReader.h"
#include "builder/K7xWriter.h"
#include "project/PathResolve.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cerrno>
#include <sys/stat.h>

#include <benchmark/benchmark.h>

namespace {

QByteArray item(qint64 size)
{
    QByteArray bytes(size, '\0');
    for (qsizetype i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(i * 31 + 7);
    return bytes;
}

QByteArray build(qint64 items, const QByteArray &bytes)
{
    k7x::JumpTable table;
    for (qint64 k = 0; k < items; ++k)
        table.add(bytes.size());
    QByteArray out;
    out.reserve(k7x::ImageSize + table.resourceLength());
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    k7x::Writer writer(buffer);
    writer.writeImage(QByteArray(k7x::ImageSize, '\0'));
    writer.writeHeader(table);
    for (qint64 k = 0; k < items; ++k)
        writer.writeData(bytes);
    writer.writeChecksum();
    return out;
}

// Arguments: item count, item size.
void BM_WriteProject(benchmark::State &state)
{
    const QByteArray bytes = item(state.range(1));
    for (auto _ : state)
        benchmark::DoNotOptimize(build(state.range(0), bytes));
    state.SetBytesProcessed(state.iterations() * state.range(0) * state.range(1));
}
BENCHMARK(BM_WriteProject)->Args({20000, 750})->Args({65535, 24})->Unit(benchmark::kMillisecond);

void BM_VerifyFile(benchmark::State &state)
{
    QByteArray file = build(state.range(0), item(state.range(1)));
    for (auto _ : state) {
        QBuffer buffer(&file);
        buffer.open(QIODevice::ReadOnly);
        const k7x::Contents contents = k7x::read(buffer);
        if (!contents.ok())
            state.SkipWithError("the file does not verify");
        benchmark::DoNotOptimize(contents.storedChecksum);
    }
    state.SetBytesProcessed(state.iterations() * file.size());
}
BENCHMARK(BM_VerifyFile)->Args({20000, 750})->Args({65535, 24})->Unit(benchmark::kMillisecond);

// Argument: item count, all in one folder, every name written in other letter
// case; one look-up operation finds them all, as one compile does.
void BM_ResolveOtherCase(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString folder = dir.path() + QStringLiteral("/Items/");
    QDir().mkpath(folder);
    QStringList written;
    for (qint64 k = 0; k < state.range(0); ++k) {
        const QString name = QStringLiteral("i%1.bin").arg(k, 5, 10, QLatin1Char('0'));
        QFile(folder + name).open(QIODevice::WriteOnly);
        written << dir.path() + QStringLiteral("\\ITEMS\\") + name.toUpper();
    }
    for (auto _ : state) {
        pathresolve::Resolver resolver;
        for (const QString &path : written) {
            struct stat info
            {
            };
            const auto tried = resolver.tryPath(path, [&info](const QByteArray &encoded) {
                return ::stat(encoded.constData(), &info) == 0 ? 0 : errno;
            });
            if (tried.error)
                state.SkipWithError("an item was not found");
        }
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ResolveOtherCase)->Arg(1000)->Arg(65535)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
