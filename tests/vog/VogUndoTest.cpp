#include "VogHost.h"

#include <QWidget>

#include <utility>

using namespace automation;
using namespace Qt::StringLiterals;

namespace {

const QString white8 = u"008,001,000,000,000,000,000,000,000,000"_s;

class VogUndo : public VogFixture
{
protected:
    QString data() { return vog.call(u"GetData"_s).toString(); }
    std::pair<bool, bool> flags()
    {
        return {vog.get(u"CanUndo"_s).toBool(), vog.get(u"CanRedo"_s).toBool()};
    }
};

TEST_F(VogUndo, EachStrokeAndEachSelectionMoveIsOneStep)
{
    ASSERT_TRUE(vog.call(u"SetData"_s, {white8}).toBool());
    EXPECT_EQ(flags(), std::pair(false, false)); // a load leaves nothing to undo
    vog.put(u"Mode"_s, true);
    EXPECT_EQ(flags(), std::pair(false, false));
    click(vog, 2, 2); // a grid line: no change, no step
    EXPECT_EQ(flags(), std::pair(false, false));

    drag(vog, {mid(0), mid(0)}, {mid(3), mid(0)}); // the dots passed over too
    const QString stroke = u"008,001,001,001,001,001,000,000,000,000"_s;
    ASSERT_EQ(data(), stroke);
    EXPECT_EQ(flags(), std::pair(true, false));
    vog.call(u"Undo"_s);
    EXPECT_EQ(data(), white8);
    EXPECT_TRUE(flags().second);
    vog.call(u"Redo"_s);
    EXPECT_EQ(data(), stroke);
    EXPECT_EQ(flags(), std::pair(true, false));

    // Mark (0,0)-(1,1), lift it plainly, move it to (4,2) and drop it outside.
    vog.put(u"Mode"_s, false);
    drag(vog, {mid(0), mid(0)}, {mid(1), mid(1)});
    drag(vog, {mid(0), mid(0)}, {mid(4), mid(2)});
    click(vog, mid(10), mid(6));
    const QString moved = u"008,001,000,000,001,001,004,004,000,000"_s;
    ASSERT_EQ(data(), moved);
    vog.call(u"Undo"_s); // the whole move: back to the marked selection
    EXPECT_EQ(data(), stroke);
    EXPECT_TRUE(vog.get(u"SelSet"_s).toBool());
    EXPECT_EQ(corners(vog), QRect(0, 0, 2, 2));
    vog.call(u"Redo"_s);
    EXPECT_EQ(data(), moved);
    EXPECT_FALSE(vog.get(u"SelSet"_s).toBool());

    // The window takes its own snapshot before an operation of its own.
    drag(vog, {mid(6), mid(0)}, {mid(7), mid(1)});
    vog.call(u"SaveUndo"_s);
    vog.call(u"PaintSelection"_s, {1});
    const QString painted = u"008,001,000,000,001,001,004,004,003,003"_s;
    ASSERT_EQ(data(), painted);
    vog.call(u"Undo"_s);
    EXPECT_EQ(data(), moved);
    vog.call(u"Redo"_s);
    EXPECT_EQ(data(), painted);
    EXPECT_EQ(vog.put(u"CanUndo"_s, false), DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(flags(), std::pair(true, false));
}

} // namespace
