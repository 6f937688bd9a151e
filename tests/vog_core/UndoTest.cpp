#include "vog/core/DotModel.h"
#include "vog/core/GestureUndo.h"

#include "ModelFixtures.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace vog;

// A snapshot taken two undos back drops the two newer snapshots only.
TEST(Undo, ASnapshotAfterUndosKeepsTheOlderOnes)
{
    auto m = std::make_unique<DotModel>(); // SizeX 32
    for (int size = 1; size <= 3; ++size) {
        m->SaveUndo();
        m->putSizeX(size);
    }
    m->Undo();
    m->Undo();
    ASSERT_EQ(m->SizeX(), 1);
    m->SaveUndo();
    m->putSizeX(5);
    std::vector<int> seen;
    for (int i = 0; i < 4; ++i) {
        m->Undo();
        seen.push_back(m->SizeX());
    }
    EXPECT_EQ(seen, std::vector<int>({1, 1, 32, 32}));
}

// A host's buttons step over snapshots that repeat the picture, also after
// Undo, Redo, Undo (whose last Undo alone returns to a twin of what is shown),
// and a marked frame alone is no picture to return to.
TEST(Undo, ChangeStepsOverRepeatedPictures)
{
    auto m = std::make_unique<DotModel>();
    ASSERT_TRUE(m->SetData("002,001,000,000"));
    m->SaveUndo();
    m->setMainCell(0, 0, 1);
    EXPECT_TRUE(m->undoChange());
    EXPECT_EQ(m->GetData(), "002,001,000,000");
    EXPECT_FALSE(m->undoChange());
    EXPECT_TRUE(m->redoChange());
    EXPECT_EQ(m->GetData(), "002,001,001,000");
    EXPECT_FALSE(m->redoChange());
    EXPECT_TRUE(m->undoChange()); // Undo alone would show the same dots
    EXPECT_EQ(m->GetData(), "002,001,000,000");

    m->ResetUndo();
    m->SaveUndo();
    vogtest::select(*m, 0, 0, 1, 0); // a frame, nothing lifted
    m->SaveUndo();
    m->PaintSelection(vog::PaintMode::Black);
    EXPECT_EQ(m->GetData(), "002,001,001,001");
    EXPECT_TRUE(m->undoChange());
    EXPECT_EQ(m->GetData(), "002,001,000,000");
    EXPECT_FALSE(m->canUndo()); // only the frame differs further back
}

TEST(Undo, AGestureIsOneStepTakenBeforeItsFirstChange)
{
    auto m = std::make_unique<DotModel>();
    ASSERT_TRUE(m->SetData("003,001,000,000,000"));
    GestureUndo gesture;
    gesture.begin();
    EXPECT_EQ(m->undoCount(), 1); // nothing changed yet: no step
    for (int x = 0; x < 3; ++x) {
        gesture.beforeChange(*m);
        m->setMainCell(x, 0, 1);
    }
    gesture.end();
    EXPECT_EQ(m->undoCount(), 2);
    gesture.beforeChange(*m); // after the end: nothing
    EXPECT_EQ(m->undoCount(), 2);
    gesture.begin();
    gesture.end(); // a gesture without a change
    EXPECT_EQ(m->undoCount(), 2);
    m->Undo();
    EXPECT_EQ(m->GetData(), "003,001,000,000,000");
    m->Redo();
    EXPECT_EQ(m->GetData(), "003,001,001,001,001");
}

// The host's buttons have as many steps as the depth: leaving the newest state
// keeps it beside the snapshots. Column k black after the k-th change.
TEST(Undo, ChangeStepsReachAsFarAsTheDepth)
{
    const struct
    {
        int put, steps;
    } cases[] = {{7, 8}, {8, 8}, {256, 256}, {257, 256}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.put);
        auto m = std::make_unique<DotModel>();
        m->putUndoDepth(c.put);
        ASSERT_TRUE(m->SetData("128,001"));
        for (int k = 0; k <= c.steps; ++k) {
            m->SaveUndo();
            m->setMainCell(k % 128, k / 128, 1);
        }
        int undone = 0;
        while (m->undoChange())
            ++undone;
        EXPECT_EQ(undone, c.steps);
        // Back to the first change only: the dot of the change before it stays.
        EXPECT_EQ(m->mainCell(0, 0), 1);
        EXPECT_EQ(m->mainCell(1, 0), 0);
        int redone = 0;
        while (m->redoChange())
            ++redone;
        EXPECT_EQ(redone, c.steps);
        EXPECT_EQ(m->mainCell(c.steps % 128, c.steps / 128), 1);
    }
}

// A shallower history forgets its oldest snapshots and keeps the newest.
TEST(Undo, AShallowerDepthForgetsTheOldest)
{
    auto m = std::make_unique<DotModel>();
    m->putUndoDepth(20);
    for (int size = 1; size <= 20; ++size) {
        m->SaveUndo();
        m->putSizeX(size); // the snapshots hold 32, 1, ..., 19
    }
    m->putUndoDepth(9);
    EXPECT_EQ(m->undoCount(), 9);
    std::vector<int> seen;
    while (m->undoChange())
        seen.push_back(m->SizeX());
    EXPECT_EQ(seen, std::vector<int>({19, 18, 17, 16, 15, 14, 13, 12, 11}));

    // Far back in the history, the shown state stays and Redo goes on from
    // the oldest snapshot kept.
    m->ResetUndo();
    m->putUndoDepth(20);
    for (int size = 1; size <= 20; ++size) {
        m->SaveUndo();
        m->putSizeX(size);
    }
    for (int i = 0; i < 15; ++i)
        m->Undo(); // the first keeps 20 and forgets 32
    EXPECT_EQ(m->SizeX(), 5);
    m->putUndoDepth(9); // 20 .. 12 stay
    EXPECT_EQ(std::pair(m->undoPosition(), m->undoCount()), std::pair(8, 9));
    EXPECT_EQ(m->SizeX(), 5);
    m->Redo();
    EXPECT_EQ(m->SizeX(), 13);
}

// A selection lifted without a change of its own (a click into it, select
// all) goes with the operation after it: one press undoes both, one redoes
// both. A paste shows new dots: a step of its own.
TEST(Undo, ALiftAndTheOperationAfterItAreOneStep)
{
    const std::vector<std::string> rows = {"#...", ".#..", "...."};
    for (const bool cut : {true, false}) {
        SCOPED_TRACE(cut);
        auto m = vogtest::graphic(rows);
        m->SaveUndo();
        vogtest::select(*m, 0, 0, 2, 1);
        m->SaveUndo(); // the lift's own step, as a gesture takes it
        m->LiftSelection(cut, false);
        m->setSelState(SelFloating);
        m->SaveUndo();
        m->PaintSelection(PaintMode::Invert);
        EXPECT_TRUE(m->undoChange());
        EXPECT_EQ(m->selState(), SelMarked);
        EXPECT_EQ(vogtest::picture(*m, false, 4, 3), "#.../.#../....");
        EXPECT_FALSE(m->canUndo());
        EXPECT_TRUE(m->redoChange());
        EXPECT_EQ(m->selState(), SelFloating);
        EXPECT_EQ(vogtest::picture(*m, true, 3, 2), ".##/#.#");
        EXPECT_FALSE(m->canRedo());
    }

    // The lift alone is a step: the frame it leaves is what it changed.
    auto m = vogtest::graphic(rows);
    m->SaveUndo();
    vogtest::select(*m, 0, 0, 2, 1);
    m->SaveUndo();
    m->LiftSelection(true, false);
    m->setSelState(SelFloating);
    EXPECT_TRUE(m->undoChange());
    EXPECT_EQ(m->selState(), SelMarked);
    EXPECT_TRUE(m->redoChange());
    EXPECT_EQ(m->selState(), SelFloating);

    auto p = vogtest::graphic(rows);
    p->SaveUndo();
    ASSERT_TRUE(p->SetOvl("002,002,003,003")); // "##/##" over "#./.#"
    p->SaveUndo();
    p->PaintSelection(PaintMode::Invert);
    EXPECT_TRUE(p->undoChange());
    EXPECT_EQ(p->selState(), SelFloating);
    EXPECT_EQ(vogtest::picture(*p, true, 2, 2), "##/##");
    EXPECT_TRUE(p->undoChange());
    EXPECT_FALSE(p->SelSet());
}
