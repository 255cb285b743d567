// The caret: its shape, its place, keeping it in view, and the focus that
// owns it.
#include "core/HugeEdit.h"

#include "core/DisplayColumn.h"
#include "view/HEScroller.h"
#include "framework/PixelClip.h"

#include <algorithm>

namespace {

// Whole units that cover a pixel distance, in its direction.
int64_t UnitsFor(int64_t distance, int unit)
{
    if (distance == 0)
        return 0;
    const int64_t units = (distance < 0 ? -distance : distance) / std::max(1, unit) + 1;
    return distance < 0 ? -units : units;
}

// How far v lies outside lo ... hi (negative above or left of it).
int64_t DistanceOutside(int64_t v, int64_t lo, int64_t hi)
{
    return v < lo ? v - lo : (v > hi ? v - hi : 0);
}

}  // namespace

int64_t THugeEdit::CaretX() const
{
    const int64_t column = Lines.Size() ? DisplayWidth(Lines[CaretRow], size_t(CaretCol), TabSize) : 0;
    return (column - Scroller->XPos) * CharWidth + LeftMargin;
}

int64_t THugeEdit::CaretY() const { return (int64_t(CaretRow) - Scroller->YPos) * LineHeight + TopMargin; }

// The sideways range follows the rows on screen: after a vertical move, or
// when it stops short of the caret, it is measured again first.
void THugeEdit::ScrollCaretIntoView(const TRect& client)
{
    const int64_t dy = DistanceOutside(CaretY(), client.top, int64_t(client.bottom) - LineHeight);
    bool measured = false;
    if (dy != 0) {
        Scroller->ScrollTo(Scroller->XPos, Scroller->YPos + UnitsFor(dy, LineHeight));
        UpdateScrollRange();
        measured = true;
    }
    const int64_t dx = DistanceOutside(CaretX(), client.left, int64_t(client.right) - CharWidth);
    if (dx == 0)
        return;
    const int64_t xTarget = Scroller->XPos + UnitsFor(dx, CharWidth);
    if (xTarget > Scroller->XRange && !measured)
        UpdateScrollRange();
    Scroller->ScrollTo(xTarget, Scroller->YPos);
}

void THugeEdit::UpdateCaret(bool scrollIntoView)
{
    if (!SuspendRecording)
        RecordPosition(OffsetOf(CaretRow, CaretCol), HasSelection ? OffsetOf(AnchorRow, AnchorCol) : -1);
    HideCaret();
    const TRect client = GetClientRect();
    if (scrollIntoView && IsCreated())
        ScrollCaretIntoView(client);
    SetCaretPos(ClipPixel(CaretX(), client.left, client.right), ClipPixel(CaretY(), client.top, client.bottom));
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
