#include "editors/ConstantFile.h"
#include "editors/GraphicCodec.h"
#include "editors/InfoString.h"
#include "platform/CodePage.h"

#include <benchmark/benchmark.h>

namespace {

// The largest graphic a file can describe: 128 dots wide, 16 bands.
QByteArray largestGraphic()
{
    QByteArray bytes(2 + 128 * 16, Qt::Uninitialized);
    bytes[0] = static_cast<char>(128);
    bytes[1] = 16;
    for (qsizetype i = 2; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(i * 37);
    return bytes;
}

// The control's text for the same graphic: three digits, single commas.
QString controlText(const QByteArray &bytes)
{
    QString text;
    for (const char b : bytes) {
        if (!text.isEmpty())
            text += QLatin1Char(',');
        text += QStringLiteral("%1").arg(static_cast<unsigned char>(b), 3, 10, QLatin1Char('0'));
    }
    return text;
}

void GraphicBytesToDotText(benchmark::State &state)
{
    const QByteArray bytes = largestGraphic();
    for (auto _ : state)
        benchmark::DoNotOptimize(graphiccodec::bytesToDotText(bytes));
}
BENCHMARK(GraphicBytesToDotText);

void GraphicDotTextToBytes(benchmark::State &state)
{
    const QString text = controlText(largestGraphic());
    for (auto _ : state)
        benchmark::DoNotOptimize(graphiccodec::dotTextToBytes(text));
}
BENCHMARK(GraphicDotTextToBytes);

// An info string file of the given size, mostly one long selection list.
void InfoStringLoad(benchmark::State &state)
{
    QByteArray file("a\tb\tc\td\te\tName\tInfo\t");
    for (int i = 0; file.size() < state.range(0); ++i)
        file += QByteArray::number(i) + "-entry;";
    for (auto _ : state) {
        const QString content = codepage::decode(file);
        const infostring::Fields fields = infostring::fields(content, u"I");
        benchmark::DoNotOptimize(infostring::selectionTexts(fields.selectionList));
    }
    state.SetBytesProcessed(state.iterations() * file.size());
}
BENCHMARK(InfoStringLoad)->Arg(240)->Arg(10 << 20);

void ConstantValueOfLargeFile(benchmark::State &state)
{
    const QByteArray file = "12" + QByteArray(state.range(0), 'x');
    for (auto _ : state)
        benchmark::DoNotOptimize(constantfile::value(constantfile::text(file)));
    state.SetBytesProcessed(state.iterations() * file.size());
}
BENCHMARK(ConstantValueOfLargeFile)->Arg(10 << 20);

} // namespace

BENCHMARK_MAIN();
