#include "vog/core/DotModel.h"
#include "vog/core/Tools.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <random>

namespace {

// A full 128 x 128 graphic of random dots, wholly selected.
std::unique_ptr<vog::DotModel> fullGraphic(vog::SelState state = vog::SelMarked)
{
    auto m = std::make_unique<vog::DotModel>();
    m->putSizeX(128);
    m->putSizeY(128);
    std::mt19937 rng(42);
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 128; ++x)
            m->setMainCell(x, y, rng() % 2);
    m->setCorners(0, 0, 127, 127);
    m->putSelSet(true);
    m->setSelState(state);
    return m;
}

void GetData128(benchmark::State &st)
{
    auto m = fullGraphic();
    for (auto _ : st)
        benchmark::DoNotOptimize(m->GetData());
}
BENCHMARK(GetData128);

void SetData128(benchmark::State &st)
{
    auto m = fullGraphic();
    const std::string text = m->GetData();
    for (auto _ : st)
        benchmark::DoNotOptimize(m->SetData(text));
}
BENCHMARK(SetData128);

void SaveUndo(benchmark::State &st)
{
    auto m = fullGraphic();
    for (auto _ : st) {
        m->SaveUndo();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(SaveUndo);

void QuarterTurn128(benchmark::State &st)
{
    auto m = fullGraphic();
    for (auto _ : st)
        benchmark::DoNotOptimize(m->RotateSelection(vog::Turn::Clockwise));
}
BENCHMARK(QuarterTurn128);

void TightBound128(benchmark::State &st)
{
    // Black only in the bottom-right corner: the scan visits every cell.
    auto m = fullGraphic();
    m->PaintSelection(vog::PaintMode::White);
    m->setMainCell(127, 127, 1);
    for (auto _ : st) {
        m->setCorners(0, 0, 127, 127);
        m->TightBound();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(TightBound128);

// A tool's whole gesture on an empty 128 x 128 graphic, as the control runs it:
// press, one move, release, with its undo step. The pen turns between black
// and white, so every gesture changes its dots.
void gesture(benchmark::State &st, vog::ToolKind kind, vog::Dot from, vog::Dot to)
{
    vog::DotModel m;
    m.putSizeX(128);
    m.putSizeY(128);
    vog::ToolBox box;
    box.choose(kind);
    const auto at = [](vog::Dot d) {
        vog::ToolPoint p;
        p.dot = p.nearest = d;
        p.inside = p.onSquare = true;
        return p;
    };
    bool black = true;
    for (auto _ : st) {
        const vog::ToolOptions options{black ? vog::Pen::Black : vog::Pen::White, false};
        box.tool().begin(m, at(from), {}, options);
        box.tool().move(m, at(to), {});
        box.tool().end(m);
        black = !black;
    }
    benchmark::DoNotOptimize(m.mainCell(64, 64));
}

void FillEmpty128(benchmark::State &st)
{
    gesture(st, vog::ToolKind::Fill, {64, 64}, {64, 64});
}
BENCHMARK(FillEmpty128)->Unit(benchmark::kMicrosecond);

void LineAcross128(benchmark::State &st)
{
    gesture(st, vog::ToolKind::Line, {0, 0}, {127, 127});
}
BENCHMARK(LineAcross128)->Unit(benchmark::kMicrosecond);

void Ellipse128(benchmark::State &st)
{
    gesture(st, vog::ToolKind::Ellipse, {0, 0}, {127, 127});
}
BENCHMARK(Ellipse128)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
