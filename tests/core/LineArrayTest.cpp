#include "core/LineArray.h"

#include "TextTestSupport.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using namespace texttest;

TEST(LineArrayTest, InsertEraseAndAppendKeepOrder)
{
    THELineArray lines;
    EXPECT_EQ(lines.Size(), 0);
    lines.Append(TRow("b\n"));
    lines.Insert(0, TRow("a\n"));
    lines.Insert(2, TRow("d\n"));
    lines.Insert(2, TRow("c\n"));
    lines.InsertN(1, 3, TRow("x\n"));
    EXPECT_EQ(RowsOf(lines), (std::vector<std::string>{"a\n", "x\n", "x\n", "x\n", "b\n", "c\n", "d\n"}));
    lines.Erase(1, 4);
    lines.Erase(0);
    EXPECT_EQ(RowsOf(lines), (std::vector<std::string>{"b\n", "c\n", "d\n"}));
    lines.Erase(2, 99);  // clamped
    lines.Insert(99, TRow("e"));
    EXPECT_EQ(RowsOf(lines), (std::vector<std::string>{"b\n", "c\n", "e"}));
    lines.Clear();
    EXPECT_EQ(lines.Size(), 0);
    EXPECT_EQ(lines.Capacity(), 0u);
}

// Rows live in blocks: however they are inserted and erased, blocks that
// fit together are joined, so the slots stay within twice the rows.
TEST(LineArrayTest, BlocksStayFilledThroughInsertsAndErasesEverywhere)
{
    THELineArray lines;
    const TRowIndex block = THELineArray::BlockRows;
    lines.InsertN(0, 5 * block, TRow("a"));
    std::mt19937 random(77);
    for (int step = 0; step < 400; ++step) {
        const TRowIndex at = TRowIndex(random() % uint32_t(lines.Size() + 1));
        if (step % 3 == 0)
            lines.Erase(at, at + TRowIndex(random() % uint32_t(block)));
        else if (step % 3 == 1)
            lines.Insert(at, TRow("b"));
        else
            lines.InsertN(at, 1 + TRowIndex(random() % 100), TRow("c"));
        ASSERT_LE(lines.Capacity(), 2 * size_t(lines.Size()) + 2 * size_t(block)) << "step " << step;
    }
    lines.Erase(0, lines.Size());
    EXPECT_EQ(lines.Size(), 0);
    EXPECT_EQ(lines.Capacity(), 0u);
}

TEST(LineArrayTest, SurgeryKeepsContiguousViewsAsViews)
{
    THELineArray lines;
    SetViewRows(lines, {"hello ", "world\n", "next\n"});
    lines.Split(0, 2);
    EXPECT_EQ(RowsOf(lines), (std::vector<std::string>{"he", "llo ", "world\n", "next\n"}));
    lines.JoinNext(0);
    lines.JoinNext(0);
    EXPECT_EQ(RowsOf(lines), (std::vector<std::string>{"hello world\n", "next\n"}));
    lines.PushDown(0, 6);
    EXPECT_EQ(RowsOf(lines), (std::vector<std::string>{"hello ", "world\nnext\n"}));
    lines.TakeUp(0, 3);
    EXPECT_EQ(RowsOf(lines), (std::vector<std::string>{"hello wor", "ld\nnext\n"}));
    for (TRowIndex i = 0; i < lines.Size(); ++i)
        EXPECT_TRUE(lines[i].IsView()) << i;
    lines.PushDown(1, 3);  // the last row: its tail becomes a new row
    EXPECT_EQ(RowsOf(lines), (std::vector<std::string>{"hello wor", "ld\n", "next\n"}));
}

TEST(LineArrayTest, SurgeryOnOwnedRowsMovesTheText)
{
    THELineArray lines;
    SetRows(lines, {"ab", "cd\n"});
    lines.TakeUp(0, 1);
    lines.PushDown(0, 1);
    lines.Split(1, 1);
    EXPECT_EQ(RowsOf(lines), (std::vector<std::string>{"a", "b", "cd\n"}));
    lines.JoinNext(1);
    lines.JoinNext(2);  // no next row: nothing happens
    EXPECT_EQ(RowsOf(lines), (std::vector<std::string>{"a", "bcd\n"}));
}

TEST(LineArrayTest, OffsetsOfTheWorkedExample)
{
    THELineArray lines;
    SetRows(lines, {"ab\n", "cd\n"});
    EXPECT_EQ(lines.StartOf(1), 3);
    EXPECT_EQ(lines.StartOf(9), 6);
    EXPECT_EQ(lines.TextLength(), 6);
    TRowIndex row = -1;
    int64_t col = -1;
    lines.Locate(3, row, col);
    EXPECT_EQ(row, 1);
    EXPECT_EQ(col, 0);
    lines.Locate(2, row, col);
    EXPECT_EQ(row, 0);
    EXPECT_EQ(col, 2);
    lines.Locate(100, row, col);
    EXPECT_EQ(row, 1);
    EXPECT_EQ(col, 3);
    lines.Locate(-1, row, col);  // below 0 counts as past the end
    EXPECT_EQ(row, 1);
    EXPECT_EQ(col, 3);
}

// The plain walk the cache must agree with.
int64_t WalkStart(const THELineArray& lines, TRowIndex row)
{
    int64_t start = 0;
    for (TRowIndex r = 0; r < std::min(row, lines.Size()); ++r)
        start += int64_t(lines[r].size());
    return start;
}

void WalkLocate(const THELineArray& lines, int64_t offset, TRowIndex& row, int64_t& col)
{
    int64_t start = 0;
    for (TRowIndex r = 0; r < lines.Size(); ++r) {
        int64_t end = start + int64_t(lines[r].size());
        if (uint64_t(offset) < uint64_t(end)) {
            row = r;
            col = offset - start;
            return;
        }
        start = end;
    }
    row = lines.Size() - 1;
    col = int64_t(lines[row].size());
}

void ExpectMatchesWalk(const THELineArray& lines, std::mt19937& random, int step)
{
    const int64_t total = WalkStart(lines, lines.Size());
    std::uniform_int_distribution<int64_t> anyOffset(-2, total + 2);
    std::uniform_int_distribution<TRowIndex> anyRow(-1, lines.Size() + 1);
    for (int probe = 0; probe < 4; ++probe) {
        TRowIndex r = anyRow(random);
        ASSERT_EQ(lines.StartOf(r), WalkStart(lines, r)) << "step " << step << " row " << r;
        int64_t offset = anyOffset(random);
        TRowIndex row = -1, expectedRow = -1;
        int64_t col = -1, expectedCol = -1;
        lines.Locate(offset, row, col);
        WalkLocate(lines, offset, expectedRow, expectedCol);
        ASSERT_EQ(row, expectedRow) << "step " << step << " offset " << offset;
        ASSERT_EQ(col, expectedCol) << "step " << step << " offset " << offset;
    }
}

TEST(LineArrayTest, OffsetCacheAgreesWithAPlainWalkThroughRandomEdits)
{
    std::mt19937 random(1234);
    THELineArray lines;
    // More rows than a block holds, so that edits meet block boundaries.
    for (int i = 0; i < 3 * THELineArray::BlockRows; ++i)
        lines.Append(TRow(std::string(size_t(random() % 5), 'x')));  // empty rows included
    SetViewRows(lines, RowsOf(lines));
    for (int step = 0; step < 1500; ++step) {
        TRowIndex n = lines.Size();
        TRowIndex r = TRowIndex(random() % uint32_t(n));
        switch (random() % 9) {
        case 0: lines.Edit(r).Append(std::string(random() % 4, 'e')); break;
        case 1: lines.Edit(r).Truncate(random() % 3); break;
        case 2: lines.Insert(r, TRow(std::string(random() % 4, 'i'))); break;
        case 3: if (n > 1) lines.Erase(r); break;
        case 4: if (n > 70) lines.Erase(r, std::min<TRowIndex>(n - 1, r + 1 + TRowIndex(random() % 5000))); break;
        case 5: lines.InsertN(r, 1 + TRowIndex(random() % 5000), TRow("nn")); break;
        case 6: lines.Split(r, random() % 3); break;
        case 7: lines.JoinNext(r); break;
        case 8: r + 1 < n ? lines.TakeUp(r, random() % 3) : lines.PushDown(r, random() % 3); break;
        }
        ExpectMatchesWalk(lines, random, step);
    }
}

TEST(LineArrayTest, LocateOnAnEmptyArrayGivesTheStart)
{
    THELineArray lines;
    TRowIndex row = -1;
    int64_t col = -1;
    lines.Locate(5, row, col);
    EXPECT_EQ(row, 0);
    EXPECT_EQ(col, 0);
    EXPECT_EQ(lines.TextLength(), 0);
}

std::string Numbered(int i)
{
    std::string name = "n";
    name += std::to_string(i);
    return name;
}

TEST(LineArrayTest, CursorInsertsAndErasesAroundItsPosition)
{
    THELineArray lines;
    for (int i = 0; i < 10; ++i)
        lines.Append(TRow(std::to_string(i)));
    std::vector<std::string> expected = {"0", "1", "2"};
    {
        THELineArray::TCursor cursor(lines, 3);
        // Row 3 is followed by many new rows: more than the slots freed.
        for (int i = 0; i < 40000; ++i) {
            cursor.InsertNext(TRow(Numbered(i)));
            cursor.Advance();
        }
        cursor.EraseRow();  // the last inserted row: row 4 takes its place
        cursor.EraseNext();  // row 5
        EXPECT_EQ(cursor.Row().View(), "4");
        EXPECT_EQ(cursor.Size(), 10 + 40000 - 2);
    }
    expected.push_back("3");
    for (int i = 0; i < 39999; ++i)
        expected.push_back(Numbered(i));
    for (int i : {4, 6, 7, 8, 9})
        expected.push_back(std::to_string(i));
    EXPECT_EQ(RowsOf(lines), expected);
    EXPECT_EQ(lines.StartOf(lines.Size()), WalkStart(lines, lines.Size()));
}

TEST(LineArrayTest, CursorThatOnlyErasesClosesTheGap)
{
    THELineArray lines;
    for (int i = 0; i < 8; ++i)
        lines.Append(TRow(std::to_string(i)));
    size_t capacity = lines.Capacity();
    {
        THELineArray::TCursor cursor(lines, 2);
        cursor.EraseNext();
        cursor.Advance();
        cursor.EraseRow();
        cursor.EraseRow();
    }
    EXPECT_EQ(RowsOf(lines), (std::vector<std::string>{"0", "1", "2", "6", "7"}));
    EXPECT_EQ(lines.Capacity(), capacity);
}

}  // namespace
