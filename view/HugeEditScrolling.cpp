// Window size, the scroll bars and the scroll ranges, which follow only the
// rows on and near the screen.
#include "core/HugeEdit.h"

#include "core/DisplayColumn.h"
#include "view/HEScroller.h"

#include <algorithm>
#include <memory>

void THugeEdit::MakeScroller() { Scroller = std::make_unique<THEScroller>(this, CharWidth, LineHeight, 0, 0); }

THEScroller* THugeEdit::HEScroller() const { return static_cast<THEScroller*>(Scroller.get()); }

void THugeEdit::EvSize(unsigned sizeType, const TSize& size)
{
    TWindow::EvSize(sizeType, size);
    const int oldCols = WindowCols;
    WindowCols = (size.cx - 2 * LeftMargin) / std::max(1, CharWidth);
    WindowRows = size.cy / std::max(1, LineHeight) + 1;
    if (WordWrap && WindowCols != oldCols && Lines.Size() != 0)
        RewrapAll();
    UpdateScrollRange();
}

void THugeEdit::EvHScroll(unsigned scrollCode, unsigned thumbPos)
{
    TWindow::EvHScroll(scrollCode, thumbPos);
    UpdateCaret(false);
}

void THugeEdit::EvVScroll(unsigned scrollCode, unsigned thumbPos)
{
    TWindow::EvVScroll(scrollCode, thumbPos);
    if (scrollCode == SB_ENDSCROLL)
        UpdateScrollRange();
    UpdateCaret(false);
}

void THugeEdit::UpdateScrollRange()
{
    const int64_t rows = Lines.Size();
    const long yRange = long(std::max<int64_t>(1, rows - WindowRows + 2));

    const int64_t yPos = Scroller->YPos;
    int64_t last = std::min<int64_t>(yPos + WindowRows, rows - 1);
    if (Scroller->XRange != 0 && last + 1 < rows)
        ++last;
    int64_t widest = 0;
    for (int64_t row = yPos; row <= last; ++row) {
        const TRow& r = Lines[TRowIndex(row)];
        widest = std::max(widest, DisplayWidth(r, r.size(), TabSize));
    }
    widest = widest * CharWidth + LeftMargin;
    const int64_t excess = std::max<int64_t>(0, widest - (int64_t(WindowCols) * CharWidth + LeftMargin));
    const long xRange = long((excess + CharWidth - 1) / std::max(1, CharWidth));
    Scroller->SetRange(xRange, yRange);
}
