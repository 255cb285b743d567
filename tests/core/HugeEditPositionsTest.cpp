// Positions, offsets and the clamping of caret and selection.
#include "tests/support/EditorFixture.h"

namespace {

class Positions : public TEditorFixture {};

TEST_F(Positions, NewEditorHoldsOneLineEnd)
{
    EXPECT_EQ(Rows(), std::vector<std::string>{"\n"});
    EXPECT_EQ(Edit->GetNumLines(), 1);
    EXPECT_EQ(Caret(), (TPos{0, 0}));
    EXPECT_EQ(Edit->OffsetOf(0, 0), 0);
    TRowIndex row = -1, col = -1;
    Edit->PositionOf(5, row, col);
    EXPECT_EQ((TPos{row, col}), (TPos{0, 0}));
    EXPECT_EQ(Edit->GetTextLength(), 3);
}

TEST_F(Positions, OffsetsAndPositionsConvert)
{
    Load("ab\ncd\n");
    EXPECT_EQ(Edit->OffsetOf(1, 1), 4);
    EXPECT_EQ(Edit->OffsetOf(7, 0), 6) << "rows past the end count as the whole text";
    struct {
        TOffset offset;
        TPos expected;
    } cases[] = {{0, {0, 0}}, {2, {0, 2}}, {3, {1, 0}}, {5, {1, 2}}, {100, {1, 2}}, {EndOfDocument, {1, 2}}, {-1, {1, 2}}};
    for (const auto& c : cases) {
        TRowIndex row, col;
        Edit->PositionOf(c.offset, row, col);
        EXPECT_EQ((TPos{row, col}), c.expected) << "offset " << c.offset;
    }
}

TEST_F(Positions, EndWithoutFinalLineEnd)
{
    Load("ab\ncd\n");
    Edit->SetCaret(1, 2);
    Edit->DeleteSelection();  // the last line end
    ASSERT_EQ(Rows(), (std::vector<std::string>{"ab\n", "cd"}));
    TRowIndex row, col;
    Edit->PositionOf(100, row, col);
    EXPECT_EQ((TPos{row, col}), (TPos{1, 2}));
    Edit->SetCaret(1, 9);
    EXPECT_EQ(Caret(), (TPos{1, 2})) << "after the last character";
}

TEST_F(Positions, ClampingRule)
{
    Load("abc\n\nxy\n");
    struct {
        TRowIndex row, col;
        TPos expected;
    } cases[] = {
        {0, 1, {0, 1}},  {0, 3, {0, 3}},  {0, 4, {0, 3}}, {0, 99, {0, 3}}, {0, -1, {0, 3}},
        {1, 0, {1, 0}},  {1, 5, {1, 0}},  {9, 0, {2, 0}},  {9, 9, {2, 2}},
    };
    for (const auto& c : cases) {
        Edit->SetCaret(c.row, c.col);
        EXPECT_EQ(Caret(), c.expected) << "SetCaret(" << c.row << ", " << c.col << ")";
    }
}

TEST_F(Positions, WrappedRowsKeepOffsets)
{
    SizeInCells(10, 10);
    Load("hello world\n");
    Edit->SetWordWrap(true);
    ASSERT_EQ(Rows(), (std::vector<std::string>{"hello ", "world\n"}));
    TRowIndex row, col;
    Edit->PositionOf(6, row, col);
    EXPECT_EQ((TPos{row, col}), (TPos{1, 0}));
    Edit->SetCaret(0, 6);
    EXPECT_EQ(Caret(), (TPos{0, 5})) << "the end of a soft row is the next row's start";
    Edit->SetWordWrap(false);
    Edit->PositionOf(6, row, col);
    EXPECT_EQ((TPos{row, col}), (TPos{0, 6}));
}

TEST_F(Positions, SelectionWithEqualEndsIsEmptyButSet)
{
    Load("abc\n");
    Edit->SetSelection(0, 1, 0, 1);
    EXPECT_TRUE(Edit->HasSelection);
    EXPECT_EQ(Caret(), Anchor());
}

TEST_F(Positions, SelectionOffsetsClampBothEnds)
{
    Load("ab\ncd\n");
    Edit->SetSelectionOffsets(0, EndOfDocument);
    EXPECT_EQ(Caret(), (TPos{0, 0}));
    EXPECT_EQ(Anchor(), (TPos{1, 2}));
}

TEST_F(Positions, ResetEmptiesDocumentAndHistory)
{
    Load("ab\ncd\n");
    Edit->SetCaret(1, 1);
    Edit->Modified = true;
    Edit->FileData.FileName = "/tmp/x.txt";
    Edit->Reset();
    EXPECT_EQ(Rows(), std::vector<std::string>{"\n"});
    EXPECT_EQ(Caret(), (TPos{0, 0}));
    EXPECT_FALSE(Edit->HasSelection);
    EXPECT_TRUE(Edit->FileData.FileName.empty());
    EXPECT_TRUE(Edit->UndoStack.Empty());
    EXPECT_TRUE(Edit->RedoStack.Empty());
    EXPECT_EQ(Edit->CurrentRecord->Pos, 0);
    EXPECT_EQ(Edit->CurrentRecord->Anchor, 0);
    EXPECT_TRUE(Edit->Modified) << "Reset leaves Modified to its callers";
}

}  // namespace
