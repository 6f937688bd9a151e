#include "VogHost.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QRegion>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
#include <QWidget>

#include <tuple>

using namespace automation;
using namespace Qt::StringLiterals;

namespace {

constexpr QRgb grid = qRgb(229, 229, 240);
constexpr QRgb white = qRgb(255, 255, 255);
constexpr QRgb frame = qRgb(0, 0, 255);

using VogMouse = VogFixture;

TEST_F(VogMouse, DrawModePaintsOnlyOnDotSquares)
{
    vog.put(u"Mode"_s, true);
    vog.put(u"FromX"_s, 3);
    vog.put(u"FromY"_s, 2);
    click(vog, 2, 10); // in the first grid line
    EXPECT_EQ(rows(vog).join(QString()).count(u'#'), 0);
    click(vog, 10, 10);
    EXPECT_EQ(rows(vog).at(2).mid(0, 5), u"...#."_s);
    const QImage shown = grabPaintArea(vog);
    EXPECT_EQ(shown.pixel(10, 10), qRgb(64, 64, 64));
    EXPECT_EQ(shown.pixel(2, 10), grid);

    // A stroke paints each dot it crosses once; white and invert pens.
    vog.put(u"DrawMode"_s, 2);
    drag(vog, {mid(0), mid(1)}, {mid(2), mid(1)}); // dots (3..5, 3)
    EXPECT_EQ(rows(vog).at(3).mid(2, 5), u".###."_s);
    vog.put(u"DrawMode"_s, 1);
    click(vog, mid(1), mid(1));
    EXPECT_EQ(rows(vog).at(3).mid(2, 5), u".#.#."_s);
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

TEST_F(VogMouse, ADrawnDotRepaintsOnlyItsSquare)
{
    vog.put(u"Mode"_s, true);
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

TEST(VogNarrowView, ShowsWholeColumnsAndGridBeyond)
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

TEST_F(VogMouse, DraggingMarksASelectionWithADashedFrame)
{
    press(vog, mid(5), mid(5));
    move(vog, mid(5) + 1, mid(5));
    move(vog, mid(4), mid(4));
    move(vog, mid(2), mid(3));
    // While dragging the frame is solid: the top edge lies in line 3 (y 60..63).
    EXPECT_EQ(grabPaintArea(vog).pixel(49, 61), frame);
    release(vog, mid(2), mid(3));
    EXPECT_EQ(corners(vog), QRect(QPoint(5, 5), QPoint(2, 3)));
    EXPECT_TRUE(vog.get(u"SelSet"_s).toBool());
    // Marked: dashes of 8 pixels every 12 from x = 40.
    const QImage shown = grabPaintArea(vog);
    EXPECT_EQ(shown.pixel(41, 61), frame);
    EXPECT_EQ(shown.pixel(49, 61), grid);
    EXPECT_EQ(shown.pixel(53, 61), frame);
    EXPECT_EQ(shown.pixel(mid(3), mid(4)), white); // the dots are shown as they are
    click(vog, mid(15), mid(12));                  // a click outside ends it
    EXPECT_FALSE(vog.get(u"SelSet"_s).toBool());
    EXPECT_EQ(grabPaintArea(vog).pixel(41, 61), grid);
}

TEST_F(VogMouse, ShiftLiftKeepsWhiteCellsTransparent)
{
    vog.put(u"Mode"_s, true);
    for (const QPoint dot : {QPoint(3, 3), QPoint(10, 10), QPoint(11, 10)})
        click(vog, mid(dot.x()), mid(dot.y()));
    vog.put(u"Mode"_s, false);

    drag(vog, {mid(2), mid(2)}, {mid(4), mid(4)});
    // Shift-press in the middle lifts (cut, white transparent) and drags it along.
    drag(vog, {mid(3), mid(3)}, {mid(11), mid(11)}, Qt::ShiftModifier);
    EXPECT_EQ(corners(vog), QRect(QPoint(10, 10), QPoint(12, 12)));
    EXPECT_EQ(grabPaintArea(vog).pixel(mid(11), mid(11)), qRgb(160, 160, 224));
    EXPECT_EQ(grabPaintArea(vog).pixel(mid(10), mid(10)), qRgb(160, 160, 160));
    click(vog, mid(20), mid(12)); // outside: dropped
    EXPECT_FALSE(vog.get(u"SelSet"_s).toBool());
    const QStringList dots = rows(vog);
    EXPECT_EQ(dots[3].mid(2, 3), u"..."_s);
    EXPECT_EQ(dots[10].mid(9, 5), u".##.."_s);
    EXPECT_EQ(dots[11].mid(9, 5), u"..#.."_s);
}

TEST_F(VogMouse, CtrlClickStampsAndKeepsFloatingUntilModeDropsIt)
{
    ASSERT_TRUE(vog.call(u"SetOvl"_s, {u"001,001,001"_s}).toBool());
    EXPECT_EQ(rows(vog).at(0)[0], u'.');
    drag(vog, {mid(0), mid(0)}, {mid(5), mid(5)}, Qt::ControlModifier);
    EXPECT_TRUE(vog.get(u"SelSet"_s).toBool());
    EXPECT_EQ(corners(vog), QRect(QPoint(5, 5), QPoint(5, 5)));
    EXPECT_EQ(rows(vog).at(0)[0], u'#');
    EXPECT_EQ(rows(vog).at(5)[5], u'.');

    // Mode TRUE drops the floating selection and takes a snapshot.
    vog.put(u"Mode"_s, true);
    EXPECT_FALSE(vog.get(u"SelSet"_s).toBool());
    EXPECT_EQ(rows(vog).at(5)[5], u'#');
    vog.call(u"SetData"_s, {u"001,001,000"_s});
    vog.call(u"Undo"_s); // back to the snapshot Mode took
    EXPECT_EQ(rows(vog).value(5).mid(5, 1), u"#"_s);
}

TEST_F(VogMouse, FloatingMoveStaysInsideTheGraphic)
{
    ASSERT_TRUE(vog.call(u"SetOvl"_s, {u"003,002,003,003,003"_s}).toBool());
    vog.put(u"SizeX"_s, 16);
    vog.put(u"SizeY"_s, 8);
    drag(vog, {mid(1), mid(1)}, {mid(18), mid(12)});
    EXPECT_EQ(corners(vog), QRect(QPoint(13, 6), QPoint(15, 7)));
    drag(vog, {mid(14), mid(7)}, {-30, -30});
    EXPECT_EQ(corners(vog), QRect(QPoint(0, 0), QPoint(2, 1)));
}

TEST(VogResize, ByHandleNeverPassesTheOppositeEdge)
{
    const struct
    {
        const char *what;
        QPoint grab;    // pixel on the handle of the marked selection (5, 5)-(8, 8)
        QPoint to;      // pixel dragged to
        QRect expected; // normalised selection after
    } cases[] = {
        {"top below bottom", {mid(6), 102}, {mid(6), mid(12)}, QRect(QPoint(5, 8), QPoint(8, 8))},
        {"left past right", {102, mid(6)}, {mid(14), mid(6)}, QRect(QPoint(8, 5), QPoint(8, 8))},
        {"bottom-right out", {178, 178}, {mid(10), mid(11)}, QRect(QPoint(5, 5), QPoint(10, 11))},
        {"top-left past both", {102, 102}, {mid(12), mid(12)}, QRect(QPoint(8, 8), QPoint(8, 8))},
        {"bottom above top", {mid(6), 178}, {mid(6), mid(2)}, QRect(QPoint(5, 5), QPoint(8, 5))},
        {"right past left", {178, mid(6)}, {mid(1), mid(6)}, QRect(QPoint(5, 5), QPoint(5, 8))},
        {"left out", {100, mid(6)}, {mid(0), mid(6)}, QRect(QPoint(0, 5), QPoint(8, 8))},
    };
    for (const auto &c : cases) {
        VogHost host;
        Object vog = host.create();
        drag(vog, {mid(5), mid(5)}, {mid(8), mid(8)});
        drag(vog, c.grab, c.to);
        EXPECT_EQ(corners(vog).normalized(), c.expected) << c.what;
        EXPECT_TRUE(vog.get(u"SelSet"_s).toBool()) << c.what;
    }
}

TEST_F(VogMouse, DrawModeIgnoresClicksBesideTheGraphic)
{
    // A 4 x 8 graphic: dot 3's square is x 64..79, then grid line 4 (80..83)
    // and the area beyond the graphic; row 7's square is y 144..159. Column 4
    // and row 8 are looked at too, as a larger size shows them again.
    vog.put(u"Mode"_s, true);
    const std::tuple<int, int, const char *> cases[] = {
        {79, mid(0), "...#./...#./....."},     {64, mid(0), "...#./...#./....."},
        {80, mid(0), "...../...#./....."},     {84, mid(0), "...../...#./....."},
        {mid(4), mid(0), "...../...#./....."}, {4, 159, "...../#..#./....."},
        {4, 160, "...../...#./....."},         {4, 164, "...../...#./....."},
        {3, mid(0), "...../...#./....."}};
    for (const auto &[x, y, after] : cases) {
        ASSERT_TRUE(vog.call(u"SetData"_s, {u"005,002"_s + u",000"_s.repeated(10)}).toBool());
        ASSERT_TRUE(vog.call(u"SetData"_s, {u"004,001,000,000,000,128"_s}).toBool());
        click(vog, x, y);
        vog.put(u"SizeX"_s, 5);
        vog.put(u"SizeY"_s, 9);
        const QStringList dots = rows(vog);
        EXPECT_EQ(dots[0] + u'/' + dots[7] + u'/' + dots[8], QLatin1String(after)) << x << "," << y;
    }
}

// A shape shows while it is dragged out and is drawn at the release, as one
// undo step; Escape or the right button during the drag leaves no trace. The
// host reads the dot under the pointer and the size dragged out.
TEST_F(VogMouse, ShapesShowWhileDraggedAndCancelWithoutATrace)
{
    constexpr QRgb black = qRgb(64, 64, 64);
    const auto member = [this](const char *name) { return vog.get(QLatin1String(name)).toInt(); };
    const auto line = [this] { return rows(vog).at(1).left(6); };
    ASSERT_TRUE(vog.call(u"SetData"_s, {u"008,001"_s + u",000"_s.repeated(8)}).toBool());
    vog.put(u"Tool"_s, 2);
    press(vog, mid(1), mid(1));
    move(vog, mid(4), mid(1));
    EXPECT_EQ(grabPaintArea(vog).pixel(mid(3), mid(1)), black);
    EXPECT_EQ(line(), u"......"_s);
    EXPECT_EQ(std::tuple(member("HoverDotX"), member("HoverDotY"), member("DragWidth"),
                         member("DragHeight")),
              std::tuple(4, 1, 4, 1));
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(vog.widget(), &escape);
    EXPECT_TRUE(escape.isAccepted());
    EXPECT_EQ(grabPaintArea(vog).pixel(mid(3), mid(1)), white);
    move(vog, mid(5), mid(1)); // the button is still held: nothing comes back
    release(vog, mid(5), mid(1));
    EXPECT_EQ(line(), u"......"_s);
    EXPECT_EQ(member("DragWidth"), 0);
    EXPECT_FALSE(vog.get(u"CanUndo"_s).toBool());

    press(vog, mid(1), mid(1));
    move(vog, mid(3), mid(1));
    QMouseEvent right(QEvent::MouseButtonPress, QPointF(mid(3), mid(1)), QPointF(mid(3), mid(1)),
                      Qt::RightButton, Qt::LeftButton | Qt::RightButton, Qt::NoModifier);
    QCoreApplication::sendEvent(viewportOf(vog), &right);
    release(vog, mid(3), mid(1));
    EXPECT_EQ(line(), u"......"_s);

    drag(vog, {mid(1), mid(1)}, {mid(4), mid(1)});
    EXPECT_EQ(line(), u".####."_s);
    vog.call(u"UndoChange"_s);
    EXPECT_EQ(line(), u"......"_s);
    move(vog, mid(9), mid(1)); // beyond the graphic's 8 columns: no dot
    EXPECT_EQ(std::pair(member("HoverDotX"), member("HoverDotY")), std::pair(-1, -1));
}

TEST_F(VogMouse, FloatingDotsFollowThePointerWhileDragged)
{
    constexpr QRgb floating = qRgb(160, 160, 224);
    // A marked dot (2, 2) lifted and dragged; the button stays down.
    vog.put(u"Mode"_s, true);
    click(vog, mid(2), mid(2));
    vog.put(u"Mode"_s, false);
    drag(vog, {mid(2), mid(2)}, {mid(3), mid(3)});
    press(vog, mid(2), mid(2));
    const std::pair<QPoint, QRect> steps[] = {{{mid(6), mid(4)}, QRect(6, 4, 2, 2)},
                                              {{mid(9), mid(7)}, QRect(9, 7, 2, 2)}};
    for (const auto &[to, selection] : steps) {
        move(vog, to.x(), to.y());
        EXPECT_EQ(corners(vog), selection);
        const QImage shown = grabPaintArea(vog);
        EXPECT_EQ(shown.pixel(to), floating) << to.x();
        EXPECT_EQ(shown.pixel(mid(2), mid(2)), white) << to.x(); // cut from there
    }
    EXPECT_EQ(rows(vog).at(7)[9], u'.'); // still floating
    release(vog, mid(9), mid(7));
    click(vog, mid(20), mid(12));
    EXPECT_EQ(rows(vog).at(7).mid(8, 3), u".#."_s);
}

class VogView : public ::testing::Test
{
protected:
    VogHost host;
    Object vog = host.create(200, 200); // 9 columns shown
    int fromX() { return vog.get(u"FromX"_s).toInt(); }
};

TEST_F(VogView, ScrollsOnlyWhileTheButtonIsHeldOutsideNeverByKeysOrWheel)
{
    vog.put(u"FromX"_s, 5);
    press(vog, mid(2), mid(2));
    move(vog, mid(3), mid(2));
    move(vog, -10, mid(2));
    QElapsedTimer waited;
    waited.start();
    while (fromX() > 0 && waited.elapsed() < 10000)
        QTest::qWait(20);
    EXPECT_EQ(fromX(), 0);
    QTest::qWait(250); // and no further
    EXPECT_EQ(fromX(), 0);
    EXPECT_EQ(vog.get(u"FromY"_s).toInt(), 0);
    release(vog, -10, mid(2));
    move(vog, 300, mid(2)); // no button: no scrolling
    QTest::qWait(250);
    EXPECT_EQ(fromX(), 0);

    // keys and the wheel leave the view to the host
    QTest::keyClick(vog.widget(), Qt::Key_Right);
    QTest::keyClick(vog.widget(), Qt::Key_PageDown);
    QWheelEvent wheel(QPointF(50, 50), viewportOf(vog)->mapToGlobal(QPointF(50, 50)), QPoint(),
                      QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(viewportOf(vog), &wheel);
    EXPECT_EQ(fromX(), 0);
    EXPECT_EQ(vog.get(u"FromY"_s).toInt(), 0);
}

TEST_F(VogView, ScrollBarStepsByAQuarterOfTheView)
{
    // 9 columns shown: step 2; the last origin is 32 - 9 + 1 = 24.
    using S = QAbstractSlider;
    const struct
    {
        int origin;
        S::SliderAction action;
        int expected;
    } cases[] = {{0, S::SliderSingleStepAdd, 2},   {21, S::SliderSingleStepAdd, 24},
                 {22, S::SliderSingleStepAdd, 24}, {1, S::SliderSingleStepSub, 0},
                 {7, S::SliderSingleStepSub, 5},   {7, S::SliderPageStepAdd, 7},
                 {7, S::SliderToMaximum, 7}};
    QScrollBar *bar = vog.widget()->findChildren<QScrollBar *>().value(0);
    for (const auto &c : cases) {
        vog.put(u"FromX"_s, c.origin);
        grabPaintArea(vog);
        bar->triggerAction(c.action);
        EXPECT_EQ(fromX(), c.expected) << c.origin << " " << c.action;
    }
}

} // namespace

namespace {

// Zooming in, scrolling to the far right and zooming out again brings the view
// back into the scroll range; an origin put while nothing else changes stays.
TEST_F(VogView, ZoomAndSizeChangesBringTheOriginBackIntoRange)
{
    QScrollBar *bar = vog.widget()->findChildren<QScrollBar *>().value(0);
    ASSERT_EQ(bar->orientation(), Qt::Horizontal);
    const auto zoom = [this](int dotSize, int dotGap) {
        vog.put(u"DotGap"_s, dotGap);
        vog.put(u"DotSize"_s, dotSize);
        grabPaintArea(vog);
    };
    zoom(50, 10); // 3 columns shown: the last origin is 30
    vog.put(u"FromX"_s, 30);
    vog.put(u"FromY"_s, 29);
    grabPaintArea(vog);
    EXPECT_EQ(std::pair(fromX(), vog.get(u"FromY"_s).toInt()), std::pair(30, 29));
    EXPECT_EQ(std::pair(bar->maximum(), bar->value()), std::pair(30, 30));

    zoom(16, 4); // 9 columns: 24
    EXPECT_EQ(std::pair(fromX(), vog.get(u"FromY"_s).toInt()), std::pair(24, 24));
    EXPECT_EQ(std::pair(bar->maximum(), bar->value()), std::pair(24, 24));
    vog.put(u"FromX"_s, 30); // the host's own choice
    grabPaintArea(vog);
    EXPECT_EQ(fromX(), 30);
    vog.put(u"SizeX"_s, 16); // a narrower graphic: 16 - 9 + 1
    grabPaintArea(vog);
    EXPECT_EQ(fromX(), 8);
    vog.put(u"SizeX"_s, 32);
    zoom(4, 1); // 39 columns: the whole graphic
    EXPECT_EQ(std::pair(fromX(), vog.get(u"FromY"_s).toInt()), std::pair(0, 0));
    EXPECT_EQ(std::pair(bar->maximum(), bar->value()), std::pair(0, 0));
    EXPECT_EQ(grabPaintArea(vog).pixel(1 + 2, 1 + 2), white); // dot (0, 0) in view
}

} // namespace
