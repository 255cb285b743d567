// Reflow after edits and the full rewrap on a change of the wrap mode,
// the window width or the display style.
#include "core/HugeEdit.h"

#include "core/DisplayColumn.h"
#include "core/Reflow.h"
#include "framework/PixelClip.h"
#include "framework/Scroller.h"

void THugeEdit::Reflow(TRowIndex row, TRowIndex col, bool toEnd)
{
    if (Lines.Size() == 0)
        return;
    // Text typed after a final line end (the caret's place at the very end)
    // must see that line end.
    if (col > 0 && size_t(col) <= Lines[row].size() && Lines[row][size_t(col) - 1] == '\n')
        --col;
    const TRect client = GetClientRect();
    const long xPos = Scroller->XPos, yPos = Scroller->YPos;
    const int startX = ClipPixel((DisplayWidth(Lines[row], size_t(col), TabSize) - xPos) * CharWidth + LeftMargin,
                                 client.left, client.right);
    const int startY = ClipPixel((int64_t(row) - yPos) * LineHeight + TopMargin, client.top, client.bottom);
    const TRect startArea{startX, startY, client.right, startY + LineHeight};

    // Rows already wrapped for these parameters need a pass over what
    // changed only, wherever it stops; a new width or mode needs them all.
    const TReflowParams params{WordWrap, WindowCols, TabSize};
    const bool allRows = toEnd && Lines.SettledFor() != ReflowKey(params);
    const TReflowResult result = ReflowRows(Lines, row, col, allRows, params);
    const TRowIndex firstChanged = result.FirstChanged;
    LastReflowRows = result.RowsExamined;

    InvalidateRect(startArea, true);
    if (toEnd) {
        Invalidate();
    } else if (firstChanged >= 0) {
        const int top = ClipPixel((int64_t(firstChanged) - yPos) * LineHeight + TopMargin, client.top, client.bottom);
        if (top < client.bottom)
            InvalidateRect({client.left, std::max(top, client.top), client.right, client.bottom}, true);
    }
    UpdateScrollRange();
}

THugeEdit::TKeptSelection THugeEdit::KeepSelection()
{
    TKeptSelection kept{OffsetOf(CaretRow, CaretCol), OffsetOf(AnchorRow, AnchorCol), HasSelection};
    if (HasSelection)
        InvertRange(CaretRow, CaretCol, AnchorRow, AnchorCol);
    HasSelection = false;
    CaretRow = CaretCol = 0;
    return kept;
}

void THugeEdit::RestoreSelection(const TKeptSelection& kept)
{
    if (kept.Selected)
        SetSelectionOffsets(kept.Caret, kept.Anchor);
    else
        SetCaretOffset(kept.Caret);
}

void THugeEdit::RewrapAll()
{
    // The loader cuts its rows by the rule it started with; a second rule
    // would leave the rows mixed, so one rewrap follows the load instead.
    if (Loading) {
        RewrapAfterLoad = true;
        return;
    }
    const TKeptSelection kept = KeepSelection();
    Lines.SetSettledFor(UnsettledKey);
    Reflow(0, 0, true);
    RestoreSelection(kept);
}

void THugeEdit::RewrapToWidth(int cols)
{
    WindowCols = cols;
    // Unwrapped rows are one per line whatever the width.
    if (!WordWrap || Lines.Size() == 0)
        return;
    const TKeptSelection kept = KeepSelection();
    Reflow(0, 0, true);
    RestoreSelection(kept);
}

void THugeEdit::SetWordWrap(bool on)
{
    WordWrap = on;
    RewrapAll();
    UpdateScrollRange();
    Invalidate();
    UpdateCaret(true);
}
