#include "core/UndoStack.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

void PushPositions(THEUndoStack& stack, int from, int to)
{
    for (int pos = from; pos < to; ++pos) {
        auto item = std::make_unique<THEUndoItem>();
        item->Pos = pos;
        stack.Push(std::move(item));
    }
}

std::vector<int> PopAll(THEUndoStack& stack)
{
    std::vector<int> order;
    while (auto item = stack.Pop())
        order.push_back(item->Pos);
    return order;
}

TEST(UndoStackTest, NewestComesOffFirst)
{
    THEUndoStack stack;
    EXPECT_TRUE(stack.Empty());
    EXPECT_EQ(stack.Top(), nullptr);
    EXPECT_EQ(stack.Pop(), nullptr);
    PushPositions(stack, 0, 3);
    EXPECT_EQ(stack.Top()->Pos, 2);
    EXPECT_EQ(PopAll(stack), (std::vector<int>{2, 1, 0}));
}

TEST(UndoStackTest, PushingTrimsTheOldestRecordsToTheLimit)
{
    THEUndoStack stack;
    stack.Limit = 4;
    PushPositions(stack, 0, 5);
    EXPECT_EQ(stack.Count(), 4u);
    EXPECT_EQ(PopAll(stack), (std::vector<int>{4, 3, 2, 1}));
}

TEST(UndoStackTest, LimitZeroKeepsNothing)
{
    THEUndoStack stack;
    stack.Limit = 0;
    PushPositions(stack, 0, 3);
    EXPECT_TRUE(stack.Empty());
}

TEST(UndoStackTest, ALoweredLimitTakesEffectAtTheNextPush)
{
    THEUndoStack stack;
    PushPositions(stack, 0, 6);
    stack.Limit = 2;
    EXPECT_EQ(stack.Count(), 6u);
    PushPositions(stack, 6, 7);
    EXPECT_EQ(PopAll(stack), (std::vector<int>{6, 5}));
}

TEST(UndoStackTest, NegativeLimitCountsAsHugeAndKeepsEverything)
{
    THEUndoStack stack;
    stack.Limit = -1;
    PushPositions(stack, 0, 1000);
    EXPECT_EQ(stack.Count(), 1000u);
}

}  // namespace
