#include "GraphicTools.h"
#include "../support/QtPrinting.h"
#include "ControlHost.h"
#include "Status.h"

#include <gtest/gtest.h>

namespace {

using namespace graphictools;

TEST(GraphicToolsTest, ZoomTablesHoldTheirRange)
{
    const struct
    {
        int step, size, gap;
    } cases[] = {{-1, 5, 1}, {0, 5, 1}, {1, 10, 2}, {2, 15, 3}, {3, 20, 4}, {4, 20, 4}};
    for (const auto &c : cases) {
        EXPECT_EQ(dotSize(c.step), c.size) << c.step;
        EXPECT_EQ(dotGap(c.step), c.gap) << c.step;
    }
}

TEST(GraphicToolsTest, ColourOptionsCountWhiteAndBlackBothWays)
{
    const struct
    {
        Colour colour;
        int draw, paint;
    } cases[] = {{Colour::Black, 0, 1}, {Colour::White, 1, 0}, {Colour::Invert, 2, 2}};
    for (const auto &c : cases) {
        EXPECT_EQ(drawMode(c.colour), c.draw);
        EXPECT_EQ(paintMode(c.colour), c.paint);
    }
    EXPECT_EQ(rotateAngle(90), 0);
    EXPECT_EQ(rotateAngle(180), 1);
    EXPECT_EQ(rotateAngle(270), 2);
}

TEST(GraphicToolsTest, StatusLineNormalisesCorners)
{
    const struct
    {
        bool set;
        int x1, y1, x2, y2;
        const char *text;
    } cases[] = {
        {true, 2, 3, 9, 4, "Selection  2, 3- 9, 4  ( 8x 2)"},
        {true, 9, 4, 2, 3, "Selection  2, 3- 9, 4  ( 8x 2)"},
        {true, 9, 3, 2, 4, "Selection  2, 3- 9, 4  ( 8x 2)"},
        {true, 0, 0, 0, 0, "Selection  0, 0- 0, 0  ( 1x 1)"},
        {true, 127, 127, 0, 0, "Selection  0, 0- 127, 127  ( 128x 128)"},
        {false, 2, 3, 9, 4, "No selection"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(selectionStatus(c.set, c.x1, c.y1, c.x2, c.y2), QString::fromLatin1(c.text));
}

TEST(GraphicToolsTest, AlignmentRoundTripsAndUnknownValuesSelectNothing)
{
    for (const Alignment a : {Alignment::Left, Alignment::Right, Alignment::Center})
        EXPECT_EQ(alignmentOf(textAlignment(a)), a);
    EXPECT_EQ(textAlignment(Alignment::Center), 2);
    EXPECT_EQ(textAlignment(Alignment::Right), 1);
    EXPECT_EQ(alignmentOf(3), Alignment::None);
    EXPECT_EQ(alignmentOf(-1), Alignment::None);
}

TEST(GraphicToolsTest, CannotCreateMessageNamesProblemAndRegistration)
{
    const QString progId = controlhost::vogProgId();
    const struct
    {
        automation::Status status;
        const char *problem;
    } cases[] = {
        {automation::CO_E_CLASSSTRING, "it is not registered."},
        {automation::REGDB_E_CLASSNOTREG, "it is not registered."},
        {automation::CO_E_DLLNOTFOUND, "its registered library /opt/x/libvog.so is missing."},
        {automation::CO_E_ERRORINDLL, "/opt/x/libvog.so cannot be loaded"},
        {automation::CLASS_E_CLASSNOTAVAILABLE, "error 0x80040111."},
    };
    for (const auto &c : cases) {
        const QString text =
            controlhost::cannotCreateMessage(progId, c.status, QStringLiteral("/opt/x/libvog.so"));
        EXPECT_TRUE(text.startsWith(
            QStringLiteral("The graphic editor control (Vog.VogCtrl.1) could not be created: ")))
            << text.toStdString();
        EXPECT_TRUE(text.contains(QLatin1String(c.problem))) << text.toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("vogreg <path to libvog.so>")));
    }
}

} // namespace
