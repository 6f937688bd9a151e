// Round trips against vardensim over loopback UDP: one DV command, and a whole
// preview of the largest graphic file (nine DL blocks and DS).

#include "link/CommandLayer.h"
#include "link/Preview.h"
#include "link/UdpTransport.h"
#include "support/VardenSim.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

namespace {

VardenSim *simulator = nullptr;

std::unique_ptr<UdpTransport> transport()
{
    auto udp = std::make_unique<UdpTransport>(2000);
    udp->setRemote(QHostAddress::LocalHost, simulator->port);
    return udp;
}

void BM_ViewCommand(benchmark::State &state)
{
    const auto udp = transport();
    for (auto _ : state) {
        const CommandOutcome out = command::send(*udp, "DV", 1, 5);
        if (out.result != 0)
            state.SkipWithError("the simulator did not answer");
    }
}
BENCHMARK(BM_ViewCommand)->Unit(benchmark::kMicrosecond);

void BM_Preview1027Bytes(benchmark::State &state)
{
    const auto udp = transport();
    QByteArray file(1027, '\x5A');
    for (auto _ : state) {
        const CommandOutcome out = preview::run(*udp, file);
        if (out.result != 0)
            state.SkipWithError("the preview failed");
    }
    state.SetBytesProcessed(state.iterations() * file.size());
}
BENCHMARK(BM_Preview1027Bytes)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    VardenSim sim;
    // Quiet: a log nobody reads would fill the pipe and stall the simulator.
    if (!sim.startUdp({QStringLiteral("--quiet")})) {
        std::fprintf(stderr, "vardensim did not start (%s): %s\n",
                     VardenSim::program().toLocal8Bit().constData(),
                     sim.log().toLocal8Bit().constData());
        return 1;
    }
    simulator = &sim;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
