// The hit test and the mouse: click, Shift+click, drag selection with the
// framework's capture loop, and double-click word selection.
#include "core/HugeEdit.h"

#include "core/DisplayColumn.h"
#include "view/HEScroller.h"

#include <algorithm>

void THugeEdit::PointToPosition(const TPoint& point, TRowIndex& row, TRowIndex& col) const
{
    if (Lines.Size() == 0) {
        row = col = 0;
        return;
    }
    const int64_t y = point.y + Scroller->YPos * LineHeight - TopMargin;
    row = TRowIndex(std::clamp<int64_t>(y / LineHeight, 0, Lines.Size() - 1));
    const int64_t target = (point.x + Scroller->XPos * CharWidth - LeftMargin + CharWidth / 2) / CharWidth;

    // The largest index whose display column does not pass the target.
    const std::string_view text = Lines[row].View();
    const int tab = EffectiveTabSize(TabSize);
    int64_t column = 0;
    TRowIndex k = 0;
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        column = text[i] == '\t' ? (column / tab + 1) * tab : column + 1;
        if (column > target)
            break;
        k = TRowIndex(i + 1);
    }
    col = target < 0 ? 0 : k;
}

void THugeEdit::EvLButtonDown(unsigned modKeys, const TPoint& point)
{
    if (SuspendRecording || Lines.Size() == 0)
        return;
    PrepareSelection((modKeys & MK_SHIFT) != 0);
    SuspendRecording = Dragging = true;
    TRowIndex row, col;
    PointToPosition(point, row, col);
    if (!HasSelection) {
        CaretRow = AnchorRow = row;
        CaretCol = AnchorCol = col;
        HasSelection = true;
    }
    InvertRange(row, col, CaretRow, CaretCol);
    CaretRow = row;
    CaretCol = col;
    UpdateCaret(true);
    TWindow::EvLButtonDown(modKeys, point);
}

void THugeEdit::EvMouseMove(unsigned modKeys, const TPoint& point)
{
    TWindow::EvMouseMove(modKeys, point);
    if (!Dragging || Lines.Size() == 0)
        return;
    // The button went up where this window could not see it (a dialog that
    // opened during the drag took it): the drag ends where it stood.
    if (!(modKeys & MK_LBUTTON))
        return FinishDrag(CaretRow, CaretCol);
    TRowIndex row, col;
    PointToPosition(point, row, col);
    if (row == CaretRow && col == CaretCol)
        return;
    InvertRange(CaretRow, CaretCol, row, col);
    CaretRow = row;
    CaretCol = col;
    UpdateCaret(true);
}

void THugeEdit::EvLButtonUp(unsigned modKeys, const TPoint& point)
{
    TWindow::EvLButtonUp(modKeys, point);
    if (!Dragging || Lines.Size() == 0)
        return;
    TRowIndex row, col;
    PointToPosition(point, row, col);
    FinishDrag(row, col);
}

// Keys or commands can reach the editor while the button is still down: the
// drag ends where the caret stands, with its selection recorded, so that the
// change is recorded too and Undo finds the text its records describe.
void THugeEdit::EndDrag()
{
    if (Dragging)
        FinishDrag(CaretRow, CaretCol);
}

void THugeEdit::FinishDrag(TRowIndex row, TRowIndex col)
{
    InvertRange(CaretRow, CaretCol, row, col);
    CaretRow = row;
    CaretCol = col;
    SuspendRecording = Dragging = false;
    if (CaretRow == AnchorRow && CaretCol == AnchorCol)
        HasSelection = false;
    UpdateCaret(true);
}

void THugeEdit::EvLButtonDblClk(unsigned modKeys, const TPoint& point)
{
    TWindow::EvLButtonDblClk(modKeys, point);
    SelectWord();
}
