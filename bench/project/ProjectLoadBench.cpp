// Loading large project files (up to the 32 MB a project file may hold) into
// the item table and its model, as Open does.
// Reports the time per load and the process's peak resident memory.
#include "platform/ui/FileDialogs.h"
#include "platform/ui/Messages.h"
#include "platform/ui/Services.h"
#include "project/ItemTable.h"
#include "project/ItemTableModel.h"
#include "project/ProjectState.h"
#include "project/ui/ProjectLoader.h"
#include "support/ServiceDoubles.h"

#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QTableView>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

namespace {

QTemporaryDir *scratch = nullptr;

// A project file of realistic lines: every type letter, limits on some.
QString projectFile(int items)
{
    const QString name = QStringLiteral("P%1.k7r").arg(items);
    const QString path = scratch->path() + QLatin1Char('/') + name;
    if (QFile::exists(path))
        return name;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return name;
    static const char *const kinds[] = {"G\t104,104,7,7", "C\t0,255", "I", "F", "T"};
    QByteArray chunk;
    for (int i = 0; i < items; ++i) {
        chunk += "Resource item number " + QByteArray::number(i) + "\tMisc\\Item" +
                 QByteArray::number(i) + ".bin\tHelp text of the item shown under the grid\t" +
                 kinds[i % 5] + "\r\n";
        if (chunk.size() > (1 << 20)) {
            file.write(chunk);
            chunk.clear();
        }
    }
    file.write(chunk);
    return name;
}

double peakRssMiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// withView: a table view shows the model, as the main window's grid does.
void loadProject(benchmark::State &bench, bool withView)
{
    const int items = static_cast<int>(bench.range(0));
    const QString name = projectFile(items);
    ServiceDoubles doubles;
    Services &services = doubles.services;
    ProjectState state;
    QTableView view;
    if (withView) {
        view.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        view.setModel(state.model());
        view.resize(700, 400);
        view.show();
    }
    for (auto _ : bench) {
        const int status = projectloader::LoadProject(state, services, name, scratch->path());
        benchmark::DoNotOptimize(status);
        if (withView)
            QApplication::processEvents();
    }
    if (state.items().count() != items || !messages.shown.empty())
        bench.SkipWithError("the project did not load");
    bench.SetItemsProcessed(bench.iterations() * items);
    bench.counters["peak_rss_MiB"] = peakRssMiB();
    bench.counters["file_MiB"] =
        static_cast<double>(QFile(scratch->path() + QLatin1Char('/') + name).size()) / (1 << 20);
}
void BM_LoadProject(benchmark::State &bench)
{
    loadProject(bench, false);
}
void BM_LoadProjectIntoGrid(benchmark::State &bench)
{
    loadProject(bench, true);
}
BENCHMARK(BM_LoadProject)->Arg(100000)->Arg(250000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadProjectIntoGrid)->Arg(100000)->Arg(250000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QApplication app(argc, argv);
    QTemporaryDir dir;
    scratch = &dir;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
