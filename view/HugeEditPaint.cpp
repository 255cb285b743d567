// Painting the visible rows and inverting the selected cells.
#include "core/HugeEdit.h"

#include "core/DisplayColumn.h"
#include "view/HEScroller.h"
#include "framework/PixelClip.h"

#include <algorithm>

void THugeEdit::Paint(TDC& dc, bool erase, TRect& rect)
{
    HideCaret();
    dc.FillRect(rect, BackColor);
    dc.SetTextAlign(0);
    dc.SelectFont(*Font);
    dc.SetBkColor(BackColor);
    dc.SetTextColor(TextColor);

    const int64_t yPos = Scroller->YPos, xPos = Scroller->XPos;
    const int64_t top = yPos * LineHeight - TopMargin;
    const TRowIndex first = TRowIndex(std::max<int64_t>(0, (top + rect.top) / LineHeight));
    const TRowIndex end =
        TRowIndex(std::min<int64_t>(Lines.Size(), std::max<int64_t>(1, (top + rect.bottom) / LineHeight + 1)));
    // Only the characters inside the rectangle are drawn (one more at each
    // side for glyphs that overhang); the columns before them are counted,
    // and the tab origin moves by whole stops, so the tabs fall where they
    // would if the row were drawn from its start.
    const int64_t charWidth = std::max(1, CharWidth);
    const int64_t tabSize = EffectiveTabSize(TabSize);
    const int64_t leftCol = std::max<int64_t>(0, xPos + (rect.left - LeftMargin) / charWidth - 1);
    const size_t visibleCols = size_t(std::max<int64_t>(0, (int64_t(rect.right) - rect.left) / charWidth + 3));
    const int64_t tabDistance = tabSize * CharWidth;

    for (TRowIndex row = first; row < end; ++row) {
        std::string_view text = Lines[row].View();
        if (!text.empty() && text.back() == '\n')
            text.remove_suffix(1);
        int64_t startCol = 0;
        const size_t start = CharAtColumn(Lines[row], leftCol, TabSize, startCol);
        if (start >= text.size())
            continue;
        text = text.substr(start, size_t(leftCol - startCol) + visibleCols);
        const int y = int((row - yPos) * LineHeight + TopMargin);
        const int64_t x = LeftMargin + (startCol - xPos) * CharWidth;
        if (!text.empty())
            dc.TabbedTextOut(x, y, text, tabDistance, x - startCol % tabSize * CharWidth);
    }
    if (HasSelection)
        InvertRegion(dc, CaretRow, CaretCol, AnchorRow, AnchorCol);
    dc.RestoreObjects();
    ShowCaret();
}

void THugeEdit::InvertRegion(TDC& dc, TRowIndex row1, TRowIndex col1, TRowIndex row2, TRowIndex col2)
{
    if (row2 < row1 || (row1 == row2 && col2 < col1))
        std::swap(row1, row2), std::swap(col1, col2);
    const int64_t yPos = Scroller->YPos, xPos = Scroller->XPos;
    if (row1 > yPos + WindowRows || row2 < yPos - 1)
        return;
    HideCaret();
    const TRect client = GetClientRect();
    auto x = [&](TRowIndex row, size_t col) {
        return ClipPixel((DisplayWidth(Lines[row], col, TabSize) - xPos) * CharWidth + LeftMargin, client.left,
                         client.right);
    };
    auto invert = [&](TRowIndex row, int left, int right) {
        if (right <= left)
            return;
        const int y = int((row - yPos) * LineHeight + TopMargin);
        dc.InvertRect({left, y, right, y + LineHeight});
    };
    const TRowIndex firstVisible = TRowIndex(std::max<int64_t>(row1, yPos - 1));
    const TRowIndex lastVisible =
        TRowIndex(std::min<int64_t>({int64_t(row2), yPos + WindowRows, int64_t(Lines.Size()) - 1}));
    for (TRowIndex row = firstVisible; row <= lastVisible; ++row) {
        const size_t length = Lines[row].size();
        if (row1 == row2)
            invert(row, x(row, col1), x(row, col2));
        else if (row == row1)
            invert(row, x(row, col1), x(row, length));
        else if (row == row2)
            invert(row, x(row, 0), x(row, col2));
        else
            invert(row, x(row, 0), x(row, length));
    }
    ShowCaret();
}

void THugeEdit::InvertRange(TRowIndex row1, TRowIndex col1, TRowIndex row2, TRowIndex col2)
{
    if (!IsCreated())
        return;
    if (std::unique_ptr<TDC> dc = GetClientDC())
        InvertRegion(*dc, row1, col1, row2, col2);
}
