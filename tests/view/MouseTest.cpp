// The hit test, clicks, Shift+click and drags (with the capture loop and
// its automatic scrolling).
#include "tests/support/EditorFixture.h"

namespace {

class Mouse : public TEditorFixture {};

TEST_F(Mouse, PointToPositionRoundsToTheNearestBoundary)
{
    Edit->TabSize = 4;
    Load("a\tbc\nxy\n");
    const int cw = Edit->CharWidth, lm = Edit->LeftMargin, tm = Edit->TopMargin, lh = Edit->LineHeight;
    struct {
        TPoint point;
        TEditorFixture::TPos expected;
    } cases[] = {
        {{lm, tm}, {0, 0}},
        {{lm + cw / 2 + 1, tm}, {0, 1}},          // right half of a's cell
        {{lm + cw * 2, tm}, {0, 1}},              // over the tab: before it
        {{lm + cw * 3 + cw / 2 + 1, tm}, {0, 2}}, // right half of the tab's last cell
        {{lm + cw * 40, tm}, {0, 4}},             // right of the text: before the line end
        {{lm + cw * 40, tm + lh}, {1, 2}},
        {{lm + cw * 40, tm + lh * 30}, {1, 2}},   // below the last row
        {{-50, -50}, {0, 0}},
    };
    for (const auto& c : cases) {
        TRowIndex row, col;
        Edit->PointToPosition(c.point, row, col);
        EXPECT_EQ((TEditorFixture::TPos{row, col}), c.expected) << c.point.x << "," << c.point.y;
    }
}

TEST_F(Mouse, AClickWithoutMovingLeavesNoSelection)
{
    Load("hello world\nsecond\n");
    Desktop.MouseDown(*Edit, Cell(1, 3));
    Desktop.MouseUp(*Edit, Cell(1, 3));
    EXPECT_FALSE(Edit->HasSelection);
    EXPECT_EQ(Caret(), (TPos{1, 3}));
    EXPECT_FALSE(Edit->SuspendRecording);
    EXPECT_EQ(Edit->CurrentRecord->Pos, Edit->OffsetOf(1, 3)) << "the button-up records the position";
}

TEST_F(Mouse, DragSelectsFromPressToRelease)
{
    Load("hello world\nsecond\n");
    Desktop.Drag(*Edit, Cell(0, 2), Cell(1, 4));
    EXPECT_TRUE(Edit->HasSelection);
    EXPECT_EQ(Anchor(), (TPos{0, 2}));
    EXPECT_EQ(Caret(), (TPos{1, 4}));
    EXPECT_FALSE(Edit->SuspendRecording);
    EXPECT_EQ(Desktop.Capture(), nullptr);
}

TEST_F(Mouse, ShiftClickGrowsTheSelectionFromTheCaret)
{
    Load("hello world\n");
    Edit->SetCaret(0, 2);
    Desktop.Keyboard().SetDown(VK_SHIFT, true);
    Desktop.MouseDown(*Edit, Cell(0, 8));
    Desktop.MouseUp(*Edit, Cell(0, 8));
    Desktop.Keyboard().SetDown(VK_SHIFT, false);
    EXPECT_TRUE(Edit->HasSelection);
    EXPECT_EQ(Anchor(), (TPos{0, 2}));
    EXPECT_EQ(Caret(), (TPos{0, 8}));
}

TEST_F(Mouse, DraggingBelowTheWindowScrollsAutomatically)
{
    std::string text;
    for (int i = 0; i < 200; ++i)
        text += "line " + std::to_string(i) + "\n";
    Load(text);
    SizeInCells(20, 10);
    Desktop.SetQuietWaits(20);
    const TRect client = Edit->GetClientRect();
    Desktop.Drag(*Edit, Cell(2, 1), {40, client.bottom + 200});
    EXPECT_GT(Edit->Scroller->YPos, 0) << "the view scrolled while the button was held below it";
    EXPECT_GT(Caret().Row, 10) << "the selection followed the scrolling";
    EXPECT_EQ(Anchor(), (TPos{2, 1}));
}

// Keys typed while the button still holds a drag edit the text like any
// others: Undo must take back those, not characters elsewhere.
TEST_F(Mouse, TextTypedDuringADragIsUndoneInItsPlace)
{
    Load("hello world\n");
    Edit->SetCaret(0, 5);
    Type("X");
    Desktop.PostInput([this] { Type("abc"); });
    Desktop.Drag(*Edit, Cell(0, 0), Cell(0, 3));
    ASSERT_EQ(Text(), "abchelloX world\n");
    std::vector<std::string> texts{Text()};
    while (!Edit->UndoStack.Empty()) {
        Edit->Undo();
        if (Text() != texts.back())
            texts.push_back(Text());
    }
    EXPECT_EQ(texts, (std::vector<std::string>{"abchelloX world\n", "abhelloX world\n", "ahelloX world\n",
                                               "helloX world\n", "hello world\n"}));
}

// A dialog that opens during a drag takes the capture and the button's
// release: the next move without the button ends the drag where it
// stood, and later moves leave the selection alone.
TEST_F(Mouse, AMoveWithoutTheButtonEndsADragWhoseReleaseWasMissed)
{
    Load("hello world\nsecond line\n");
    THugeEdit dialog;
    dialog.Create();
    Desktop.PostInput([this] { Desktop.MouseMove(*Edit, Cell(0, 4)); });
    Desktop.PostInput([this] { Edit->ReleaseCapture(); });
    Desktop.MouseDown(*Edit, Cell(0, 1));
    Desktop.MouseUp(dialog, {1, 1});
    Desktop.MouseMove(*Edit, Cell(1, 8));
    Desktop.MouseMove(*Edit, Cell(1, 9));
    EXPECT_EQ(Anchor(), (TPos{0, 1}));
    EXPECT_EQ(Caret(), (TPos{0, 4})) << "the selection does not follow a pointer without the button";
    EXPECT_FALSE(Edit->SuspendRecording) << "edits are recorded again";
    EXPECT_EQ(Edit->CurrentRecord->Pos, Edit->OffsetOf(0, 4));
}

TEST_F(Mouse, ASecondButtonDownDuringADragIsIgnored)
{
    Load("abc def\n");
    Edit->SuspendRecording = true;  // as while a drag is in progress
    Desktop.MouseDown(*Edit, Cell(0, 5));
    EXPECT_EQ(Caret(), (TPos{0, 0}));
    Edit->SuspendRecording = false;
}

}  // namespace
