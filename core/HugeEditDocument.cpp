// The document side of the editor window: construction, Reset, positions
// and offsets, and placing the caret and the selection.
#include "core/HugeEdit.h"

#include "core/DisplayColumn.h"
#include "framework/Platform.h"

#include <algorithm>
#include <limits>

namespace {

std::unique_ptr<THEUndoItem> PositionRecord(TOffset pos, TOffset anchor)
{
    auto item = std::make_unique<THEUndoItem>();
    item->Pos = pos;
    item->Anchor = anchor;
    return item;
}

}  // namespace

THugeEdit::THugeEdit(TWindow* parent, const std::string& title)
    : TWindow(parent, title),
      CurrentRecord(PositionRecord(0, 0)),
      TextColor(SysColor(COLOR_WINDOWTEXT)),
      BackColor(SysColor(COLOR_WINDOW))
{
    Attr.Style |= WS_HSCROLL | WS_VSCROLL;
    Attr.ClassStyle |= CS_DBLCLKS;
    Attr.Cursor = TCursorKind::IBeam;

    FileData.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    FileData.Filter = "All Files (*.*)|*.*|Text Files (*.txt)|*.txt|";
    FileData.DefExt = "txt";

    FontHeight = MulDiv(12, ScreenLogPixelsY(), 72);
    MakeFont(FaceName, FontHeight);
    LineHeight = FontHeight;
    LeftMargin = TopMargin = CharWidth;
    TabSize = 3;
    MakeScroller();
    MakeContextMenu();
    Reset();
}

THugeEdit::~THugeEdit()
{
    // Windows are destroyed before the rows they paint.
    DestroyPeer();
}

void THugeEdit::Reset()
{
    Lines.Clear();
    Lines.Append(TRow("\n"));
    HasSelection = false;
    CaretRow = CaretCol = AnchorRow = AnchorCol = 0;
    FileData.FileName.clear();
    Origin = {};
    LengthBound = 1;
    CurrentRecord = PositionRecord(0, 0);
    UndoStack.Clear();
    RedoStack.Clear();
}

TOffset THugeEdit::OffsetOf(TRowIndex row, TRowIndex col) const
{
    const int64_t start = row <= 0 ? 0 : Lines.StartOf(std::min(row, Lines.Size()));
    const int64_t offset = start + col;
    return TOffset(std::clamp<int64_t>(offset, std::numeric_limits<TOffset>::min(), std::numeric_limits<TOffset>::max()));
}

void THugeEdit::PositionOf(TOffset offset, TRowIndex& row, TRowIndex& col) const
{
    if (Lines.Size() == 0) {
        row = col = 0;
        return;
    }
    int64_t column = 0;
    Lines.Locate(offset, row, column);
    const TRow& r = Lines[row];
    if (size_t(column) >= r.size())  // at or past the end of the text
        column = r.EndsWithLineEnd() ? int64_t(r.size()) - 1 : int64_t(r.size());
    col = TRowIndex(std::max<int64_t>(column, 0));
}

TRowIndex THugeEdit::RowEnd(TRowIndex row) const
{
    if (row < 0 || row >= Lines.Size())
        return 0;
    const TRow& r = Lines[row];
    const bool last = row == Lines.Size() - 1;
    const size_t end = (last && !r.EndsWithLineEnd()) ? r.size() : r.size() - (r.empty() ? 0 : 1);
    return TRowIndex(end);
}

void THugeEdit::ClampPosition(TRowIndex& row, TRowIndex& col) const
{
    if (Lines.Size() == 0) {
        row = col = 0;
        return;
    }
    if (uint32_t(row) >= uint32_t(Lines.Size()))
        row = Lines.Size() - 1;
    const TRow& r = Lines[row];
    if (uint32_t(col) >= r.size()) {
        const bool last = row == Lines.Size() - 1;
        const bool afterLast = r.empty() || (last && !r.EndsWithLineEnd());
        col = TRowIndex(afterLast ? r.size() : r.size() - 1);
    }
}

// The position of an offset for placing the caret. The offset just after a
// final line end has no row of its own; it stays after that line end on the
// last row, so that an insertion there and its undo land after it.
void THugeEdit::PlacementOf(TOffset offset, TRowIndex& row, TRowIndex& col) const
{
    PositionOf(offset, row, col);
    if (Lines.Size() == 0 || row != Lines.Size() - 1)
        return;
    const TRow& last = Lines[row];
    if (last.EndsWithLineEnd() && size_t(col) + 1 == last.size() && offset >= 0 &&
        int64_t(offset) == Lines.StartOf(row) + int64_t(last.size()))
        col = TRowIndex(last.size());
}

void THugeEdit::SetCaret(TRowIndex row, TRowIndex col)
{
    ClampPosition(row, col);
    StoreCaret(row, col);
}

void THugeEdit::StoreCaret(TRowIndex row, TRowIndex col)
{
    if (HasSelection) {
        InvertRange(CaretRow, CaretCol, AnchorRow, AnchorCol);
        HasSelection = false;
    }
    CaretRow = row;
    CaretCol = col;
    UpdateCaret(true);
}

void THugeEdit::SetSelection(TRowIndex caretRow, TRowIndex caretCol, TRowIndex anchorRow, TRowIndex anchorCol)
{
    ClampPosition(caretRow, caretCol);
    ClampPosition(anchorRow, anchorCol);
    StoreSelection(caretRow, caretCol, anchorRow, anchorCol);
}

void THugeEdit::StoreSelection(TRowIndex caretRow, TRowIndex caretCol, TRowIndex anchorRow, TRowIndex anchorCol)
{
    if (HasSelection)
        InvertRange(CaretRow, CaretCol, AnchorRow, AnchorCol);
    HasSelection = true;
    CaretRow = caretRow;
    CaretCol = caretCol;
    AnchorRow = anchorRow;
    AnchorCol = anchorCol;
    InvertRange(CaretRow, CaretCol, AnchorRow, AnchorCol);
    UpdateCaret(true);
}

void THugeEdit::SetCaretOffset(TOffset offset)
{
    TRowIndex row, col;
    PlacementOf(offset, row, col);
    StoreCaret(row, col);
}

void THugeEdit::SetSelectionOffsets(TOffset caretOffset, TOffset anchorOffset)
{
    TRowIndex caretRow, caretCol, anchorRow, anchorCol;
    PlacementOf(caretOffset, caretRow, caretCol);
    PlacementOf(anchorOffset, anchorRow, anchorCol);
    StoreSelection(caretRow, caretCol, anchorRow, anchorCol);
}

void THugeEdit::EnsureNonEmpty()
{
    if (Lines.Size() == 0)
        Lines.Append(TRow("\n"));
}
