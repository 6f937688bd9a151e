// Where a window goes beside the main window, and whether a kept place may be
// restored on the screens there are now.
#include "platform/ui/WindowPlace.h"

#include "support/QtPrinting.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(WindowPlace, BesideTheMainWindow)
{
    const QRect screen(0, 0, 1000, 800);
    const QSize log(300, 200);
    const struct
    {
        QRect main;
        QPoint place;
    } cases[] = {
        {{0, 0, 700, 500}, {700, 0}},     // right: exactly fits
        {{0, 0, 701, 500}, {0, 500}},     // one more: below
        {{0, 650, 600, 100}, {600, 600}}, // right, raised to stay on the screen
        {{100, 0, 800, 600}, {100, 600}}, // below: exactly fits
        {{800, 0, 150, 600}, {700, 600}}, // below, moved in from the right edge
        {{0, 0, 900, 601}, {700, 30}},    // neither: right edge, under the menu bar
    };
    for (const auto &c : cases)
        EXPECT_EQ(windowplace::beside(c.main, c.main.top() + 29, log, screen), c.place)
            << c.main.width() << "x" << c.main.height();

    EXPECT_EQ(windowplace::toText(QRect(-5, 7, 300, 200)), QStringLiteral("-5,7,300,200"));
    EXPECT_EQ(windowplace::fromText(QStringLiteral("-5,7,300,200")), QRect(-5, 7, 300, 200));
    for (const char *bad : {"", "1,2,3", "1,2,3,4,5", "1,2,0,4", "1,2,3,-1", "a,2,3,4"})
        EXPECT_FALSE(windowplace::fromText(QString::fromLatin1(bad))) << bad;
}

TEST(WindowPlace, FitsOnlyWhollyOnTheScreens)
{
    const QList<QRect> one{{0, 0, 800, 600}};
    // two screens side by side, the right one shorter
    const QList<QRect> two{{0, 0, 800, 600}, {800, 0, 640, 480}};
    const struct
    {
        QRect place;
        const QList<QRect> &areas;
        bool fits;
    } cases[] = {
        {{0, 0, 800, 600}, one, true},
        {{1, 0, 800, 600}, one, false},      // one column off the right edge
        {{0, -1, 100, 100}, one, false},     // one row above the top
        {{0, 0, 800, 601}, one, false},      // one row below the bottom
        {{700, 100, 400, 300}, two, true},   // across both
        {{700, 100, 400, 400}, two, false},  // below the shorter one
        {{2000, 100, 300, 200}, two, false}, // where a third screen used to be
    };
    for (const auto &c : cases)
        EXPECT_EQ(windowplace::fits(c.place, c.areas), c.fits)
            << windowplace::toText(c.place).toStdString();
}

} // namespace
