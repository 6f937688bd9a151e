#include "editors/GraphicTools.h"

#include "support/QtPrinting.h"

#include <gtest/gtest.h>

namespace {

using namespace Qt::StringLiterals;

TEST(GraphicTools, ZoomStepsAreHeldToTheirRange)
{
    const struct
    {
        int step, size, gap;
    } cases[] = {{-1, 5, 1}, {0, 5, 1}, {1, 10, 2}, {3, 20, 4}, {4, 20, 4}};
    for (const auto &c : cases)
        EXPECT_EQ(std::pair(graphictools::dotSize(c.step), graphictools::dotGap(c.step)),
                  std::pair(c.size, c.gap))
            << c.step;
}

// The parts of the status line as the user reads them, corners in either order.
TEST(GraphicTools, StatusTexts)
{
    const struct
    {
        bool set;
        int x1, y1, x2, y2;
        QString text;
    } cases[] = {
        {false, 2, 3, 9, 4, u"No selection"_s},
        {true, 2, 3, 9, 4, u"Selection  2, 3- 9, 4  ( 8x 2)"_s},
        {true, 9, 4, 2, 3, u"Selection  2, 3- 9, 4  ( 8x 2)"_s},
        {true, 5, 7, 5, 7, u"Selection  5, 7- 5, 7  ( 1x 1)"_s},
    };
    for (const auto &c : cases)
        EXPECT_EQ(graphictools::selectionStatus(c.set, c.x1, c.y1, c.x2, c.y2), c.text);
    EXPECT_EQ(graphictools::dotStatus(52, 7), u"Dot 52, 7"_s);
    EXPECT_EQ(graphictools::sizeStatus(10, 5), u"Size 10x 5"_s);
}

} // namespace
