#include "DotModel.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <vector>

using namespace vog;

namespace {

// The history rules written out the obvious way, on a tag per state.
struct ReferenceHistory
{
    std::vector<int> slots = std::vector<int>(8);
    int position = 0, count = 0;

    void save(int state)
    {
        if (position == 0) {
            for (int i = 7; i >= 1; --i)
                slots[i] = slots[i - 1];
            count = std::min(count + 1, 8);
        } else if (position >= 2) {
            for (int i = position; i < count; ++i)
                slots[i - position + 1] = slots[i];
            count = count - position + 1;
        }
        position = 0;
        slots[0] = state;
    }
    int undo(int state)
    {
        if (position >= count - 1)
            return state;
        if (position == 0)
            save(state);
        return slots[++position];
    }
    int redo(int state) { return position > 0 ? slots[--position] : state; }
};

} // namespace

TEST(Undo, SequencesFromTheRules)
{
    auto m = std::make_unique<DotModel>();
    m->SaveUndo();
    m->putSizeX(5);
    m->Undo(); // one snapshot only: nothing older to go to
    EXPECT_EQ(m->SizeX(), 5);

    m->ResetUndo();
    m->SaveUndo();
    m->putSizeX(6);
    m->SaveUndo();
    m->putSizeX(7);
    m->Undo();
    EXPECT_EQ(m->SizeX(), 6);
    m->Redo();
    EXPECT_EQ(m->SizeX(), 7);
    // Undo from the newest position saves the state it leaves, so right after
    // a Redo the first Undo lands on that same state.
    m->Undo();
    EXPECT_EQ(m->SizeX(), 7);
    m->Undo();
    EXPECT_EQ(m->SizeX(), 6);
    m->SaveUndo(); // drops the two redo snapshots
    EXPECT_EQ(m->undoCount(), 3);
    m->Redo();
    EXPECT_EQ(m->SizeX(), 6);

    m->ResetUndo();
    for (int i = 1; i <= 9; ++i) {
        m->putSizeX(i);
        m->SaveUndo();
    }
    EXPECT_EQ(m->undoCount(), 8);
    m->putSizeX(100);
    for (int i = 0; i < 10; ++i)
        m->Undo();
    // 1 fell out on the ninth save, 2 when the first Undo saved 100.
    EXPECT_EQ(m->SizeX(), 3);
}

TEST(Undo, AgreesWithTheObviousHistoryOverRandomSequences)
{
    std::mt19937 rng(11);
    auto m = std::make_unique<DotModel>();
    ReferenceHistory ref;
    int state = m->SizeX();
    for (int step = 0; step < 20000; ++step) {
        switch (rng() % 5) {
        case 0:
            m->SaveUndo();
            ref.save(state);
            break;
        case 1:
            m->Undo();
            state = ref.undo(state);
            break;
        case 2:
            m->Redo();
            state = ref.redo(state);
            break;
        case 3:
            if (rng() % 20 == 0) {
                m->ResetUndo();
                ref.position = ref.count = 0;
            }
            break;
        default:
            state = 1 + static_cast<int>(rng() % 128);
            m->putSizeX(state);
        }
        ASSERT_EQ(m->SizeX(), state) << step;
        ASSERT_EQ(m->undoPosition(), ref.position) << step;
        ASSERT_EQ(m->undoCount(), ref.count) << step;
    }
}
