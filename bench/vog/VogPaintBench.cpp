// Full repaints of the control offscreen, a dot drawn and a floating selection
// dragged by the mouse.
#include "vog/VogWidget.h"
#include "vog/core/DotModel.h"

#include <QApplication>
#include <QMouseEvent>
#include <QScrollBar>
#include <benchmark/benchmark.h>

namespace {

// A 128 x 128 graphic with a checkered pattern and a floating selection over it.
void fillGraphic(vog::DotModel &model)
{
    model.putSizeX(128);
    model.putSizeY(128);
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 128; ++x)
            model.setMainCell(x, y, (x + y) % 3 == 0 ? vog::Black : vog::White);
    model.setCorners(20, 20, 90, 70);
    model.putSelSet(true);
    model.LiftSelection(false, true);
    model.setSelState(vog::SelFloating);
}

struct Control
{
    vog::DotModel model;
    VogWidget widget{model};

    Control(int dotSize, int dotGap, int width, int height)
    {
        fillGraphic(model);
        widget.setDotSize(dotSize);
        widget.setDotGap(dotGap);
        widget.show();
        // The paint area is the window less its two scroll bars.
        widget.resize(width + widget.verticalScrollBar()->sizeHint().width(),
                      height + widget.horizontalScrollBar()->sizeHint().height());
        QApplication::processEvents();
    }
};

// args: DotSize, DotGap, paint width, paint height
void BM_RenderAll(benchmark::State &state)
{
    Control control(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)),
                    static_cast<int>(state.range(2)), static_cast<int>(state.range(3)));
    for (auto _ : state) {
        control.widget.renderNow();
        benchmark::DoNotOptimize(control.widget.shownImage().constBits());
    }
}

// The whole paint: render and show through the window system's backing store.
void BM_Repaint(benchmark::State &state)
{
    Control control(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)),
                    static_cast<int>(state.range(2)), static_cast<int>(state.range(3)));
    for (auto _ : state) {
        control.widget.requestRepaint();
        control.widget.viewport()->repaint();
    }
}

void sendMouse(QWidget *area, QEvent::Type type, QPoint at)
{
    QMouseEvent event(type, at, area->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(area, &event);
}

// One dot drawn by a mouse move in draw mode, painted on screen.
void BM_DrawDotByMouse(benchmark::State &state)
{
    Control control(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)),
                    static_cast<int>(state.range(2)), static_cast<int>(state.range(3)));
    control.widget.setMode(true);
    QWidget *area = control.widget.viewport();
    const int pitch = static_cast<int>(state.range(0) + state.range(1));
    const int offset = static_cast<int>(state.range(1) + state.range(0) / 2);
    control.widget.viewport()->repaint();
    sendMouse(area, QEvent::MouseButtonPress, {offset, offset});
    int column = 0;
    for (auto _ : state) {
        column = (column + 1) % 20;
        sendMouse(area, QEvent::MouseMove, {offset + column * pitch, offset});
        area->repaint(QRect(column * pitch, 0, pitch + 1, pitch + 1));
    }
    sendMouse(area, QEvent::MouseButtonRelease, {offset, offset});
}

// The floating selection dragged one column per mouse move, painted on screen:
// its dots follow the pointer, so each move repaints the whole view.
void BM_DragFloatingByMouse(benchmark::State &state)
{
    Control control(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)),
                    static_cast<int>(state.range(2)), static_cast<int>(state.range(3)));
    QWidget *area = control.widget.viewport();
    const int pitch = static_cast<int>(state.range(0) + state.range(1));
    const int inside = static_cast<int>(state.range(1)) + 25 * pitch; // dot (25, 25)
    area->repaint();
    sendMouse(area, QEvent::MouseButtonPress, {inside, inside});
    int step = 0;
    for (auto _ : state) {
        step = (step + 1) % 2;
        sendMouse(area, QEvent::MouseMove, {inside + step * pitch, inside});
        area->repaint();
    }
    sendMouse(area, QEvent::MouseButtonRelease, {inside, inside});
}

// An ellipse dragged out from dot (0, 0), its far corner moving one dot per
// mouse move between (100, 100) and (101, 101), painted on screen: the preview
// changes where the old and the new outline lie.
void BM_DragEllipseByMouse(benchmark::State &state)
{
    Control control(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)),
                    static_cast<int>(state.range(2)), static_cast<int>(state.range(3)));
    control.model.putSelSet(false);
    control.widget.setTool(vog::ToolKind::Ellipse);
    QWidget *area = control.widget.viewport();
    const int pitch = static_cast<int>(state.range(0) + state.range(1));
    const int first = static_cast<int>(state.range(1)) + 1;
    area->repaint();
    sendMouse(area, QEvent::MouseButtonPress, {first, first});
    int step = 0;
    for (auto _ : state) {
        step = (step + 1) % 2;
        const int far = first + (100 + step) * pitch;
        sendMouse(area, QEvent::MouseMove, {far, far});
        QApplication::processEvents(); // paints what the move changed
    }
    sendMouse(area, QEvent::MouseButtonRelease, {first, first});
}

void sizes(benchmark::internal::Benchmark *bench)
{
    bench->Args({5, 1, 770, 770});    // the whole graphic at the editor's first zoom
    bench->Args({20, 4, 1000, 700});  // a window's worth at the largest zoom
    bench->Args({20, 4, 3077, 3077}); // the whole graphic at the largest zoom
    bench->Unit(benchmark::kMicrosecond);
}

BENCHMARK(BM_RenderAll)->Apply(sizes);
BENCHMARK(BM_Repaint)->Apply(sizes);
BENCHMARK(BM_DragFloatingByMouse)->Apply(sizes);
BENCHMARK(BM_DragEllipseByMouse)->Apply(sizes);
BENCHMARK(BM_DrawDotByMouse)
    ->Args({5, 1, 770, 770})
    ->Args({20, 4, 1000, 700})
    ->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
