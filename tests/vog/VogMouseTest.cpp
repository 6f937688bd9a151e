#include "VogHost.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPaintEvent>
#include <QRegion>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
#include <QWidget>
#include <gtest/gtest.h>

using namespace automation;

namespace {

constexpr QRgb grid = qRgb(229, 229, 240);
constexpr QRgb black = qRgb(64, 64, 64);
constexpr QRgb white = qRgb(255, 255, 255);
constexpr QRgb frame = qRgb(0, 0, 255);

// With the default DotSize 16 and DotGap 4 the pitch is 20: the middle of dot
// column c (from the origin) is at 20c + 12.
int mid(int dot)
{
    return dot * 20 + 12;
}

void click(Object &vog, int x, int y, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    press(vog, x, y, modifiers);
    release(vog, x, y);
}

void drag(Object &vog, QPoint from, QPoint to, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    press(vog, from.x(), from.y(), modifiers);
    move(vog, from.x() + 1, from.y() + 1); // still on the pressed dot
    move(vog, (from.x() + to.x()) / 2, (from.y() + to.y()) / 2);
    move(vog, to.x(), to.y());
    release(vog, to.x(), to.y());
}

QStringList rows(Object &vog)
{
    return dotRows(vog.call(QStringLiteral("GetData")).toString(), false);
}

QRect corners(Object &vog)
{
    return QRect(QPoint(vog.get(QStringLiteral("SelPosX1")).toInt(),
                        vog.get(QStringLiteral("SelPosY1")).toInt()),
                 QPoint(vog.get(QStringLiteral("SelPosX2")).toInt(),
                        vog.get(QStringLiteral("SelPosY2")).toInt()));
}

TEST(VogMouse, DrawModePaintsOnlyOnDotSquares)
{
    VogHost host;
    Object vog = host.create();
    vog.put(QStringLiteral("Mode"), true);
    vog.put(QStringLiteral("FromX"), 3);
    vog.put(QStringLiteral("FromY"), 2);
    click(vog, 2, 10); // in the first grid line
    EXPECT_EQ(vog.call(QStringLiteral("GetData")).toString(),
              QStringLiteral("032,004") + QStringLiteral(",000").repeated(128));
    click(vog, 10, 10);
    EXPECT_EQ(rows(vog)[2].mid(0, 5), QStringLiteral("...#."));
    const QImage shown = grabPaintArea(vog);
    EXPECT_EQ(shown.pixel(10, 10), black);
    EXPECT_EQ(shown.pixel(2, 10), grid);

    // A stroke paints each dot it crosses once; white and invert pens.
    vog.put(QStringLiteral("DrawMode"), 2);
    drag(vog, {mid(0), mid(1)}, {mid(2), mid(1)}); // dots (3..5, 3)
    EXPECT_EQ(rows(vog)[3].mid(2, 5), QStringLiteral(".###."));
    vog.put(QStringLiteral("DrawMode"), 1);
    click(vog, mid(1), mid(1));
    EXPECT_EQ(rows(vog)[3].mid(2, 5), QStringLiteral(".#.#."));
    EXPECT_EQ(grabPaintArea(vog).pixel(mid(1), mid(1)), white);
}

// Records the areas painted in the control's paint area.
class PaintSpy : public QObject
{
public:
    QRegion painted;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent *>(event)->region();
        return false;
    }
};

TEST(VogMouse, ADrawnDotRepaintsOnlyItsSquare)
{
    VogHost host;
    Object vog = host.create();
    vog.put(QStringLiteral("Mode"), true);
    grabPaintArea(vog);
    QCoreApplication::processEvents();
    PaintSpy spy;
    viewportOf(vog)->installEventFilter(&spy);
    press(vog, mid(1), mid(1));
    move(vog, mid(2), mid(1));
    QCoreApplication::processEvents();
    viewportOf(vog)->removeEventFilter(&spy);
    EXPECT_EQ(spy.painted, QRegion(QRect(24, 24, 16, 16)) + QRegion(QRect(44, 24, 16, 16)));
    release(vog, mid(2), mid(1));
}

TEST(VogMouse, NarrowAreaShowsWholeColumnsAndGridBeyond)
{
    VogHost host;
    Object vog = host.create(100, 120);
    const QImage shown = grabPaintArea(vog);
    ASSERT_EQ(shown.width(), 100);
    for (int x = 80; x < 100; ++x)
        EXPECT_EQ(shown.pixel(x, 10), grid) << x;
    EXPECT_EQ(shown.pixel(64, 10), white);
    EXPECT_EQ(shown.pixel(79, 10), white);
    QScrollBar *bar = vog.widget()->findChildren<QScrollBar *>().value(0);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->orientation(), Qt::Horizontal);
    EXPECT_EQ(bar->pageStep(), 4);
    EXPECT_EQ(bar->maximum(), 32 - 4 + 1);
}

TEST(VogMouse, DraggingMarksASelectionWithADashedFrame)
{
    VogHost host;
    Object vog = host.create();
    press(vog, mid(5), mid(5));
    move(vog, mid(5) + 1, mid(5));
    move(vog, mid(4), mid(4));
    move(vog, mid(2), mid(3));
    // While dragging the frame is solid: the top edge lies in line 3 (y 60..63).
    QImage shown = grabPaintArea(vog);
    EXPECT_EQ(shown.pixel(49, 61), frame);
    release(vog, mid(2), mid(3));
    EXPECT_EQ(corners(vog), QRect(QPoint(5, 5), QPoint(2, 3)));
    EXPECT_TRUE(vog.get(QStringLiteral("SelSet")).toBool());
    // Marked: dashes of 8 pixels every 12 from x = 40.
    shown = grabPaintArea(vog);
    EXPECT_EQ(shown.pixel(41, 61), frame);
    EXPECT_EQ(shown.pixel(49, 61), grid);
    EXPECT_EQ(shown.pixel(53, 61), frame);
    EXPECT_EQ(shown.pixel(mid(3), mid(4)), white); // the dots are shown as they are
    // A click outside ends it.
    click(vog, mid(15), mid(12));
    EXPECT_FALSE(vog.get(QStringLiteral("SelSet")).toBool());
    EXPECT_EQ(grabPaintArea(vog).pixel(41, 61), grid);
}

TEST(VogMouse, ShiftLiftKeepsWhiteCellsTransparent)
{
    VogHost host;
    Object vog = host.create();
    // Black dots at (3, 3), (10, 10) and (11, 10).
    vog.put(QStringLiteral("Mode"), true);
    for (const QPoint dot : {QPoint(3, 3), QPoint(10, 10), QPoint(11, 10)})
        click(vog, mid(dot.x()), mid(dot.y()));
    vog.put(QStringLiteral("Mode"), false);

    drag(vog, {mid(2), mid(2)}, {mid(4), mid(4)});
    // Shift-press in the middle lifts (cut, white transparent) and drags it along.
    drag(vog, {mid(3), mid(3)}, {mid(11), mid(11)}, Qt::ShiftModifier);
    EXPECT_EQ(corners(vog), QRect(QPoint(10, 10), QPoint(12, 12)));
    EXPECT_EQ(grabPaintArea(vog).pixel(mid(11), mid(11)), qRgb(160, 160, 224));
    EXPECT_EQ(grabPaintArea(vog).pixel(mid(10), mid(10)), qRgb(160, 160, 160));
    click(vog, mid(20), mid(12)); // outside: dropped
    EXPECT_FALSE(vog.get(QStringLiteral("SelSet")).toBool());
    const QStringList dots = rows(vog);
    EXPECT_EQ(dots[3].mid(2, 3), QStringLiteral("..."));
    EXPECT_EQ(dots[10].mid(9, 5), QStringLiteral(".##.."));
    EXPECT_EQ(dots[11].mid(9, 5), QStringLiteral("..#.."));
}

TEST(VogMouse, PlainLiftCutsAndCtrlLiftCopies)
{
    struct Case
    {
        Qt::KeyboardModifiers modifiers;
        const char *leftBehind;
    } cases[] = {{Qt::NoModifier, "."}, {Qt::ControlModifier, "#"}};
    for (const Case &c : cases) {
        VogHost host;
        Object vog = host.create();
        ASSERT_TRUE(vog.call(QStringLiteral("SetOvl"), {QStringLiteral("001,001,001")}).toBool());
        vog.call(QStringLiteral("Escape")); // dot (0, 0) black
        drag(vog, {mid(0), mid(0)}, {mid(2), mid(2)});
        drag(vog, {mid(1), mid(1)}, {mid(5), mid(1)}, c.modifiers);
        vog.call(QStringLiteral("Escape"));
        const QStringList dots = rows(vog);
        EXPECT_EQ(dots[0].mid(0, 6), QLatin1String(c.leftBehind) + QStringLiteral("...#."));
        EXPECT_EQ(dots[1].mid(0, 6), QStringLiteral("......"));
    }
}

TEST(VogMouse, CtrlClickStampsAndKeepsFloating)
{
    VogHost host;
    Object vog = host.create();
    ASSERT_TRUE(vog.call(QStringLiteral("SetOvl"), {QStringLiteral("001,001,001")}).toBool());
    EXPECT_EQ(rows(vog)[0][0], QLatin1Char('.'));
    drag(vog, {mid(0), mid(0)}, {mid(5), mid(5)}, Qt::ControlModifier);
    EXPECT_TRUE(vog.get(QStringLiteral("SelSet")).toBool());
    EXPECT_EQ(corners(vog), QRect(QPoint(5, 5), QPoint(5, 5)));
    EXPECT_EQ(rows(vog)[0][0], QLatin1Char('#'));
    EXPECT_EQ(rows(vog)[5][5], QLatin1Char('.'));
    vog.call(QStringLiteral("Escape"));
    EXPECT_EQ(rows(vog)[5][5], QLatin1Char('#'));
}

TEST(VogMouse, FloatingMoveStaysInsideTheGraphic)
{
    VogHost host;
    Object vog = host.create();
    ASSERT_TRUE(
        vog.call(QStringLiteral("SetOvl"), {QStringLiteral("003,002,003,003,003")}).toBool());
    vog.put(QStringLiteral("SizeX"), 16);
    vog.put(QStringLiteral("SizeY"), 8);
    drag(vog, {mid(1), mid(1)}, {mid(18), mid(12)});
    EXPECT_EQ(corners(vog), QRect(QPoint(13, 6), QPoint(15, 7)));
    drag(vog, {mid(14), mid(7)}, {-30, -30});
    EXPECT_EQ(corners(vog), QRect(QPoint(0, 0), QPoint(2, 1)));
}

struct ResizeCase
{
    const char *what;
    QPoint grab;    // pixel on the handle of the marked selection (5, 5)-(8, 8)
    QPoint to;      // pixel dragged to
    QRect expected; // normalised selection after
};

TEST(VogMouse, ResizeByHandleNeverPassesTheOppositeEdge)
{
    const ResizeCase cases[] = {
        {"top below bottom", {mid(6), 102}, {mid(6), mid(12)}, QRect(QPoint(5, 8), QPoint(8, 8))},
        {"top up", {mid(6), 102}, {mid(6), mid(2)}, QRect(QPoint(5, 2), QPoint(8, 8))},
        {"left past right", {102, mid(6)}, {mid(14), mid(6)}, QRect(QPoint(8, 5), QPoint(8, 8))},
        {"bottom-right out", {178, 178}, {mid(10), mid(11)}, QRect(QPoint(5, 5), QPoint(10, 11))},
        {"top-left past both", {102, 102}, {mid(12), mid(12)}, QRect(QPoint(8, 8), QPoint(8, 8))},
    };
    for (const ResizeCase &c : cases) {
        VogHost host;
        Object vog = host.create();
        drag(vog, {mid(5), mid(5)}, {mid(8), mid(8)});
        drag(vog, c.grab, c.to);
        EXPECT_EQ(corners(vog).normalized(), c.expected) << c.what;
        // Still being resized: the frame stays dashed and the next press inside lifts.
        EXPECT_TRUE(vog.get(QStringLiteral("SelSet")).toBool()) << c.what;
    }
}

TEST(VogMouse, HoldingTheButtonLeftOfTheControlScrollsToTheStart)
{
    VogHost host;
    Object vog = host.create(200, 200);
    vog.put(QStringLiteral("FromX"), 5);
    press(vog, mid(2), mid(2));
    move(vog, mid(3), mid(2));
    move(vog, -10, mid(2));
    QElapsedTimer waited;
    waited.start();
    while (vog.get(QStringLiteral("FromX")).toInt() > 0 && waited.elapsed() < 10000)
        QTest::qWait(20);
    EXPECT_EQ(vog.get(QStringLiteral("FromX")).toInt(), 0);
    QTest::qWait(250); // and no further
    EXPECT_EQ(vog.get(QStringLiteral("FromX")).toInt(), 0);
    EXPECT_EQ(vog.get(QStringLiteral("FromY")).toInt(), 0);
    release(vog, -10, mid(2));
    move(vog, 300, mid(2)); // no button: no scrolling
    QTest::qWait(250);
    EXPECT_EQ(vog.get(QStringLiteral("FromX")).toInt(), 0);
}

struct ScrollCase
{
    int origin;
    QAbstractSlider::SliderAction action;
    int expected;
};

TEST(VogMouse, ScrollBarStepsByAQuarterOfTheView)
{
    // 200 x 200 pixels show 9 columns: step 2; the last origin is 32 - 9 + 1 = 24.
    const ScrollCase cases[] = {
        {0, QAbstractSlider::SliderSingleStepAdd, 2},
        {21, QAbstractSlider::SliderSingleStepAdd, 24},
        {22, QAbstractSlider::SliderSingleStepAdd, 24},
        {1, QAbstractSlider::SliderSingleStepSub, 0},
        {7, QAbstractSlider::SliderSingleStepSub, 5},
        {7, QAbstractSlider::SliderPageStepAdd, 7},
        {7, QAbstractSlider::SliderToMaximum, 7},
    };
    VogHost host;
    Object vog = host.create(200, 200);
    QScrollBar *bar = vog.widget()->findChildren<QScrollBar *>().value(0);
    for (const ScrollCase &c : cases) {
        vog.put(QStringLiteral("FromX"), c.origin);
        grabPaintArea(vog);
        bar->triggerAction(c.action);
        EXPECT_EQ(vog.get(QStringLiteral("FromX")).toInt(), c.expected)
            << c.origin << " " << c.action;
    }
}

TEST(VogMouse, KeysAndWheelLeaveTheViewToTheHost)
{
    VogHost host;
    Object vog = host.create(200, 200);
    QTest::keyClick(vog.widget(), Qt::Key_Right);
    QTest::keyClick(vog.widget(), Qt::Key_PageDown);
    QWheelEvent wheel(QPointF(50, 50), viewportOf(vog)->mapToGlobal(QPointF(50, 50)), QPoint(),
                      QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(viewportOf(vog), &wheel);
    EXPECT_EQ(vog.get(QStringLiteral("FromX")).toInt(), 0);
    EXPECT_EQ(vog.get(QStringLiteral("FromY")).toInt(), 0);
}

TEST(VogMouse, ModeTrueDropsTheFloatingSelection)
{
    VogHost host;
    Object vog = host.create();
    ASSERT_TRUE(vog.call(QStringLiteral("SetOvl"), {QStringLiteral("001,001,001")}).toBool());
    vog.put(QStringLiteral("Mode"), true);
    EXPECT_FALSE(vog.get(QStringLiteral("SelSet")).toBool());
    EXPECT_EQ(rows(vog)[0][0], QLatin1Char('#'));
    vog.call(QStringLiteral("SetData"), {QStringLiteral("001,001,000")});
    vog.call(QStringLiteral("Undo")); // back to the snapshot Mode took
    EXPECT_EQ(rows(vog)[0][0], QLatin1Char('#'));
}

} // namespace
