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

using namespace automation;
using namespace Qt::StringLiterals;

namespace {

constexpr QRgb grid = qRgb(229, 229, 240);
constexpr QRgb white = qRgb(255, 255, 255);
constexpr QRgb frame = qRgb(0, 0, 255);

// With the default DotSize 16 and DotGap 4 the pitch is 20: the middle of dot
// column c (from the origin) is at 20c + 12.
int mid(int dot)
{
    return dot * 20 + 12;
}

void click(Object &vog, int x, int y)
{
    press(vog, x, y);
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
    return dotRows(vog.call(u"GetData"_s).toString(), false);
}

QRect corners(Object &vog)
{
    const auto at = [&vog](const QString &name) { return vog.get(name).toInt(); };
    return QRect(QPoint(at(u"SelPosX1"_s), at(u"SelPosY1"_s)),
                 QPoint(at(u"SelPosX2"_s), at(u"SelPosY2"_s)));
}

// A black dot at (0, 0), floated from an overlay and dropped.
void blackOrigin(Object &vog)
{
    ASSERT_TRUE(vog.call(u"SetOvl"_s, {u"001,001,001"_s}).toBool());
    vog.call(u"Escape"_s);
}

using VogMouse = VogFixture;

TEST_F(VogMouse, DrawModePaintsOnlyOnDotSquares)
{
    vog.put(u"Mode"_s, true);
    vog.put(u"FromX"_s, 3);
    vog.put(u"FromY"_s, 2);
    click(vog, 2, 10); // in the first grid line
    EXPECT_EQ(rows(vog).join(QString()).count(u'#'), 0);
    click(vog, 10, 10);
    EXPECT_EQ(rows(vog)[2].mid(0, 5), u"...#."_s);
    const QImage shown = grabPaintArea(vog);
    EXPECT_EQ(shown.pixel(10, 10), qRgb(64, 64, 64));
    EXPECT_EQ(shown.pixel(2, 10), grid);

    // A stroke paints each dot it crosses once; white and invert pens.
    vog.put(u"DrawMode"_s, 2);
    drag(vog, {mid(0), mid(1)}, {mid(2), mid(1)}); // dots (3..5, 3)
    EXPECT_EQ(rows(vog)[3].mid(2, 5), u".###."_s);
    vog.put(u"DrawMode"_s, 1);
    click(vog, mid(1), mid(1));
    EXPECT_EQ(rows(vog)[3].mid(2, 5), u".#.#."_s);
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

TEST(VogLift, PlainLiftCutsAndCtrlLiftCopies)
{
    const std::pair<Qt::KeyboardModifiers, QString> cases[] = {{Qt::NoModifier, u"....#."_s},
                                                               {Qt::ControlModifier, u"#...#."_s}};
    for (const auto &[modifiers, firstRow] : cases) {
        VogHost host;
        Object vog = host.create();
        blackOrigin(vog);
        drag(vog, {mid(0), mid(0)}, {mid(2), mid(2)});
        drag(vog, {mid(1), mid(1)}, {mid(5), mid(1)}, modifiers);
        vog.call(u"Escape"_s);
        EXPECT_EQ(rows(vog)[0].mid(0, 6), firstRow);
        EXPECT_EQ(rows(vog)[1].mid(0, 6), u"......"_s);
    }
}

TEST_F(VogMouse, CtrlClickStampsAndKeepsFloatingUntilModeDropsIt)
{
    ASSERT_TRUE(vog.call(u"SetOvl"_s, {u"001,001,001"_s}).toBool());
    EXPECT_EQ(rows(vog)[0][0], u'.');
    drag(vog, {mid(0), mid(0)}, {mid(5), mid(5)}, Qt::ControlModifier);
    EXPECT_TRUE(vog.get(u"SelSet"_s).toBool());
    EXPECT_EQ(corners(vog), QRect(QPoint(5, 5), QPoint(5, 5)));
    EXPECT_EQ(rows(vog)[0][0], u'#');
    EXPECT_EQ(rows(vog)[5][5], u'.');

    // Mode TRUE drops the floating selection and takes a snapshot.
    vog.put(u"Mode"_s, true);
    EXPECT_FALSE(vog.get(u"SelSet"_s).toBool());
    EXPECT_EQ(rows(vog)[5][5], u'#');
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
        {"top up", {mid(6), 102}, {mid(6), mid(2)}, QRect(QPoint(5, 2), QPoint(8, 8))},
        {"left past right", {102, mid(6)}, {mid(14), mid(6)}, QRect(QPoint(8, 5), QPoint(8, 8))},
        {"bottom-right out", {178, 178}, {mid(10), mid(11)}, QRect(QPoint(5, 5), QPoint(10, 11))},
        {"top-left past both", {102, 102}, {mid(12), mid(12)}, QRect(QPoint(8, 8), QPoint(8, 8))},
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
