// The fourteen caret moves. Each reads Shift itself and extends the
// selection while it is held, inverting only the cells that change.
#include "core/HugeEdit.h"
#include "core/WordChar.h"

#include "view/HEScroller.h"

#include <algorithm>

namespace {

bool Before(TRowIndex r1, TRowIndex c1, TRowIndex r2, TRowIndex c2) { return r1 < r2 || (r1 == r2 && c1 < c2); }

}  // namespace

bool THugeEdit::ShiftDown() const { return GetKeyState(VK_SHIFT) < 0; }
bool THugeEdit::CtrlDown() const { return GetKeyState(VK_CONTROL) < 0; }

TRowIndex THugeEdit::ColumnInRow(TRowIndex row, TRowIndex col) const
{
    return std::clamp<TRowIndex>(col, 0, std::max<TRowIndex>(0, TRowIndex(Lines[row].size()) - 1));
}

// MoveLeft and MoveRight start a selection with Shift, and without Shift
// only collapse an existing one to its earlier (later) end.
bool THugeEdit::CollapseSelection(bool shiftDown, bool toEarlier)
{
    if (shiftDown && !HasSelection) {
        HasSelection = true;
        AnchorRow = CaretRow;
        AnchorCol = CaretCol;
        return false;
    }
    if (shiftDown || !HasSelection)
        return false;
    InvertRange(CaretRow, CaretCol, AnchorRow, AnchorCol);
    const bool anchorFirst = Before(AnchorRow, AnchorCol, CaretRow, CaretCol);
    if (anchorFirst == toEarlier) {
        CaretRow = AnchorRow;
        CaretCol = AnchorCol;
    }
    HasSelection = false;
    UpdateCaret(true);
    return true;
}

// The start shared by every move but MoveLeft and MoveRight: read Shift and
// start or end the selection; false when there is nothing to move over.
bool THugeEdit::BeginMove(bool& shiftDown)
{
    shiftDown = ShiftDown();
    if (Lines.Size() == 0)
        return false;
    PrepareSelection(shiftDown);
    return true;
}

void THugeEdit::FinishMove(bool shiftDown, TRowIndex row, TRowIndex col)
{
    if (shiftDown && HasSelection)
        InvertRange(CaretRow, CaretCol, row, col);
    CaretRow = row;
    CaretCol = col;
    UpdateCaret(true);
}

void THugeEdit::MoveLeft()
{
    if (Lines.Size() == 0)
        return;
    const bool shift = ShiftDown();
    if (CollapseSelection(shift, true))
        return;
    TRowIndex row = CaretRow, col = CaretCol;
    if (col > 0)
        --col;
    else if (row > 0)
        --row, col = std::max<TRowIndex>(0, TRowIndex(Lines[row].size()) - 1);
    FinishMove(shift, row, col);
}

void THugeEdit::MoveRight()
{
    if (Lines.Size() == 0)
        return;
    const bool shift = ShiftDown();
    if (CollapseSelection(shift, false))
        return;
    TRowIndex row = CaretRow, col = CaretCol;
    if (col < TRowIndex(Lines[row].size()) - 1)
        ++col;
    else if (row < Lines.Size() - 1)
        ++row, col = 0;
    else
        col = RowEnd(row);
    FinishMove(shift, row, col);
}

void THugeEdit::MoveUp()
{
    bool shift;
    if (!BeginMove(shift))
        return;
    const TRowIndex row = CaretRow > 0 ? CaretRow - 1 : CaretRow;
    FinishMove(shift, row, row == CaretRow ? CaretCol : ColumnInRow(row, CaretCol));
}

void THugeEdit::MoveDown()
{
    bool shift;
    if (!BeginMove(shift))
        return;
    const TRowIndex row = CaretRow < Lines.Size() - 1 ? CaretRow + 1 : CaretRow;
    FinishMove(shift, row, row == CaretRow ? CaretCol : ColumnInRow(row, CaretCol));
}

void THugeEdit::MoveRowEnd()
{
    bool shift;
    if (!BeginMove(shift))
        return;
    FinishMove(shift, CaretRow, RowEnd(CaretRow));
}

void THugeEdit::MoveRowHome()
{
    bool shift;
    if (!BeginMove(shift))
        return;
    FinishMove(shift, CaretRow, 0);
}

void THugeEdit::MoveDocumentEnd()
{
    bool shift;
    if (!BeginMove(shift))
        return;
    const TRowIndex last = Lines.Size() - 1;
    FinishMove(shift, last, RowEnd(last));
}

void THugeEdit::MoveDocumentHome()
{
    bool shift;
    if (!BeginMove(shift))
        return;
    if (shift && HasSelection)
        InvertRange(CaretRow, CaretCol, 0, 0);
    CaretRow = CaretCol = 0;
    Scroller->ScrollTo(0, 0);
    UpdateCaret(true);
}

void THugeEdit::MoveNextLine()
{
    bool shift;
    if (!BeginMove(shift))
        return;
    TRowIndex row = CaretRow;
    while (row < Lines.Size() && !Lines[row].EndsWithLineEnd() && !Lines[row].empty())
        ++row;
    if (row + 1 >= Lines.Size()) {
        MoveDocumentEnd();
        return;
    }
    FinishMove(shift, row + 1, 0);
}

void THugeEdit::MovePrevLine()
{
    bool shift;
    if (!BeginMove(shift))
        return;
    TRowIndex row = CaretRow;
    if (CaretCol == 0 && row > 0)
        --row;
    while (row > 0 && !Lines[row - 1].EndsWithLineEnd() && !Lines[row].empty())
        --row;
    FinishMove(shift, row, 0);
}

void THugeEdit::MoveWordLeft()
{
    bool shift;
    if (!BeginMove(shift))
        return;
    TRowIndex row = CaretRow, col = CaretCol;
    // Over the gap before the word, crossing rows, then over the word.
    for (;;) {
        if (col <= 0) {
            if (row == 0) {
                col = 0;
                break;
            }
            --row;
            col = std::max<TRowIndex>(0, TRowIndex(Lines[row].size()) - 1);
            continue;
        }
        if (IsWordChar(Lines[row][col - 1]))
            break;
        --col;
    }
    while (col > 0 && IsWordChar(Lines[row][col - 1]))
        --col;
    FinishMove(shift, row, col);
}

void THugeEdit::MoveWordRight()
{
    bool shift;
    if (!BeginMove(shift))
        return;
    TRowIndex row = CaretRow, col = CaretCol;
    const TRowIndex last = Lines.Size() - 1;
    auto rowEnd = [&] { return TRowIndex(Lines[row].size()) - 1; };
    while (col < rowEnd() && IsWordChar(Lines[row][col]))
        ++col;
    for (;;) {
        if (col >= rowEnd()) {
            if (row == last) {
                col = std::max<TRowIndex>(0, rowEnd());
                break;
            }
            ++row;
            col = 0;
            continue;
        }
        if (IsWordChar(Lines[row][col]))
            break;
        ++col;
    }
    FinishMove(shift, row, col);
}

void THugeEdit::MovePageDown()
{
    bool shift;
    if (!BeginMove(shift))
        return;
    const long page = Scroller->YPage;
    Scroller->ScrollTo(Scroller->XPos, Scroller->YPos + page);
    const TRowIndex row = TRowIndex(std::min<int64_t>(int64_t(CaretRow) + page, Lines.Size() - 1));
    FinishMove(shift, row, ColumnInRow(row, CaretCol));
}

void THugeEdit::MovePageUp()
{
    bool shift;
    if (!BeginMove(shift))
        return;
    const long page = Scroller->YPage;
    Scroller->ScrollTo(Scroller->XPos, Scroller->YPos - page);
    const TRowIndex row = TRowIndex(std::max<int64_t>(int64_t(CaretRow) - page, 0));
    FinishMove(shift, row, ColumnInRow(row, CaretCol));
}
