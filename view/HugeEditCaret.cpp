// The caret: its shape, its place, keeping it in view, and the focus that
// owns it.
#include "core/HugeEdit.h"

#include "core/DisplayColumn.h"
#include "view/HEScroller.h"

#include <cstdlib>

namespace {

// Whole units that cover a pixel distance, in its direction.
long UnitsFor(int distance, int unit)
{
    if (distance == 0)
        return 0;
    const long units = std::abs(distance) / std::max(1, unit) + 1;
    return distance < 0 ? -units : units;
}

}  // namespace

int64_t THugeEdit::CaretX() const
{
    const size_t column = Lines.Size() ? DisplayColumn(Lines[CaretRow], size_t(CaretCol), TabSize) : 0;
    return (int64_t(column) - Scroller->XPos) * CharWidth + LeftMargin;
}

int64_t THugeEdit::CaretY() const { return (int64_t(CaretRow) - Scroller->YPos) * LineHeight + TopMargin; }

void THugeEdit::UpdateCaret(bool scrollIntoView)
{
    if (!SuspendRecording)
        RecordPosition(OffsetOf(CaretRow, CaretCol), HasSelection ? OffsetOf(AnchorRow, AnchorCol) : -1);
    HideCaret();
    int x = int(CaretX()), y = int(CaretY());
    if (scrollIntoView && IsCreated()) {
        const TRect client = GetClientRect();
        const int dy = y < client.top ? y - client.top : (y > client.bottom - LineHeight ? y - (client.bottom - LineHeight) : 0);
        const int dx = x < client.left ? x - client.left : (x > client.right - CharWidth ? x - (client.right - CharWidth) : 0);
        if (dx != 0 || dy != 0) {
            Scroller->ScrollTo(Scroller->XPos + UnitsFor(dx, CharWidth), Scroller->YPos + UnitsFor(dy, LineHeight));
            x = int(CaretX());
            y = int(CaretY());
        }
    }
    SetCaretPos(x, y);
    ShowCaret();
}

void THugeEdit::PrepareSelection(bool shiftDown)
{
    if (shiftDown && !HasSelection) {
        HasSelection = true;
        AnchorRow = CaretRow;
        AnchorCol = CaretCol;
    } else if (!shiftDown && HasSelection) {
        InvertRange(AnchorRow, AnchorCol, CaretRow, CaretCol);
        HasSelection = false;
    }
}

void THugeEdit::CreateCaretShape() { CreateCaret(Overwrite ? CharWidth : 0, FontHeight); }

void THugeEdit::EvSetFocus()
{
    TWindow::EvSetFocus();
    Overwrite = (GetKeyState(VK_INSERT) & 1) != 0;
    CreateCaretShape();
    UpdateCaret(false);
    ShowCaret();
}

void THugeEdit::EvKillFocus()
{
    DestroyCaret();
    TWindow::EvKillFocus();
}
