#include "framework/Scroller.h"

#include "framework/Platform.h"
#include "framework/Window.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

namespace {

// A bar counts 0 ... 32767; larger ranges are mapped proportionally.
int BarValue(long pos, long range)
{
    return range > TScroller::ScrollBarMax ? MulDiv(int(pos), TScroller::ScrollBarMax, int(range)) : int(pos);
}

long RangeValue(int barValue, long range)
{
    return range > TScroller::ScrollBarMax ? MulDiv(barValue, int(range), TScroller::ScrollBarMax) : barValue;
}

// The position one scroll-bar action asks for along one axis; none for
// actions that do not move (the end of a scroll, tracking when off).
std::optional<long> AxisTarget(unsigned code, long thumbValue, long pos, long line, long page, long range, bool track)
{
    switch (code) {
    case SB_LINEUP: return pos - line;
    case SB_LINEDOWN: return pos + line;
    case SB_PAGEUP: return pos - page;
    case SB_PAGEDOWN: return pos + page;
    case SB_TOP: return 0;
    case SB_BOTTOM: return range;
    case SB_THUMBPOSITION: return thumbValue;
    case SB_THUMBTRACK: return track ? std::optional<long>(thumbValue) : std::nullopt;
    default: return std::nullopt;
    }
}

// Rows (or columns) to scroll for a pointer at v outside lo ... hi - 1:
// a tenth of the distance, at least one, at most a page.
long AutoStep(int v, int lo, int hi, long page)
{
    const long limit = std::max(1L, page);
    if (v < lo)
        return -std::clamp(long(lo - v) / 10, 1L, limit);
    if (v >= hi)
        return std::clamp(long(v - (hi - 1)) / 10, 1L, limit);
    return 0;
}

}  // namespace

TScroller::TScroller(TWindow* window, int xUnit, int yUnit, long xRange, long yRange)
    : Window(window), XRange(std::max(0L, xRange)), YRange(std::max(0L, yRange)), XUnit(xUnit), YUnit(yUnit)
{
}

void TScroller::SetUnits(int xUnit, int yUnit)
{
    XUnit = xUnit;
    YUnit = yUnit;
}

void TScroller::SetRange(long xRange, long yRange)
{
    XRange = std::max(0L, xRange);
    YRange = std::max(0L, yRange);
    SetSBarRange();
    ScrollTo(XPos, YPos);
}

void TScroller::SetPageSize()
{
    if (!Window || !Window->IsCreated())
        return;
    const TRect client = Window->GetClientRect();
    XPage = std::max(1, client.Width() / std::max(1, XUnit));
    YPage = std::max(1, client.Height() / std::max(1, YUnit));
}

void TScroller::SetSBarRange()
{
    if (!Window || !Window->IsCreated())
        return;
    if (HasHSBar) {
        Window->SetScrollRange(SB_HORZ, 0, int(std::min<long>(XRange, ScrollBarMax)), false);
        Window->SetScrollPos(SB_HORZ, XScrollValue(XPos), true);
    }
    if (HasVSBar) {
        Window->SetScrollRange(SB_VERT, 0, int(std::min<long>(YRange, ScrollBarMax)), false);
        Window->SetScrollPos(SB_VERT, YScrollValue(YPos), true);
    }
}

void TScroller::ScrollTo(long x, long y)
{
    const long newX = std::clamp(x, 0L, XRange), newY = std::clamp(y, 0L, YRange);
    if (newX == XPos && newY == YPos)
        return;
    const long dx = XPos - newX, dy = YPos - newY;
    XPos = newX;
    YPos = newY;
    if (!Window || !Window->IsCreated())
        return;
    // A move of less than a page keeps what is still visible.
    if (std::labs(dx) < XPage && std::labs(dy) < YPage)
        Window->ScrollWindow(int(dx * XUnit), int(dy * YUnit));
    else
        Window->Invalidate();
    if (HasHSBar)
        Window->SetScrollPos(SB_HORZ, XScrollValue(XPos), true);
    if (HasVSBar)
        Window->SetScrollPos(SB_VERT, YScrollValue(YPos), true);
    Window->UpdateWindow();
}

void TScroller::HScroll(unsigned scrollCode, int thumbPos)
{
    if (auto x = AxisTarget(scrollCode, XRangeValue(thumbPos), XPos, XLine, XPage, XRange, TrackMode))
        ScrollTo(*x, YPos);
}

void TScroller::VScroll(unsigned scrollCode, int thumbPos)
{
    if (auto y = AxisTarget(scrollCode, YRangeValue(thumbPos), YPos, YLine, YPage, YRange, TrackMode))
        ScrollTo(XPos, *y);
}

int TScroller::XScrollValue(long rangeUnit) const { return BarValue(rangeUnit, XRange); }
int TScroller::YScrollValue(long rangeUnit) const { return BarValue(rangeUnit, YRange); }
long TScroller::XRangeValue(int scrollUnit) const { return RangeValue(scrollUnit, XRange); }
long TScroller::YRangeValue(int scrollUnit) const { return RangeValue(scrollUnit, YRange); }

// --- automatic scrolling ------------------------------------------------------

bool TScroller::AutoScroll()
{
    if (!Window || !Window->IsCreated())
        return false;
    const TPoint p = Window->ScreenToClient(Platform::GetCursorPos());
    const TRect client = Window->GetClientRect();
    const long dx = AutoStep(p.x, client.left, client.right, XPage);
    const long dy = AutoStep(p.y, client.top, client.bottom, YPage);
    const long oldX = XPos, oldY = YPos;
    if (dx || dy)
        ScrollBy(dx, dy);
    return XPos != oldX || YPos != oldY;
}

bool TScroller::AutoScrollRunning() const { return !AutoScrollEnded && Window->HasCapture(); }

// The selection follows the view: the window sees the pointer move by as
// much as the view scrolled.
void TScroller::FollowPointer()
{
    unsigned modKeys = MK_LBUTTON;
    if (Platform::GetKeyState(VK_SHIFT) < 0)
        modKeys |= MK_SHIFT;
    if (Platform::GetKeyState(VK_CONTROL) < 0)
        modKeys |= MK_CONTROL;
    const TPoint p = Window->ScreenToClient(Platform::GetCursorPos());
    DispatchMsg(TMsg{Window, WM_MOUSEMOVE, modKeys, intptr_t(MakeLParam(p.x, p.y))});
}

void TScroller::BeginAutoScroll()
{
    if (!Window || !Window->IsCreated() || InAutoScroll)
        return;
    // Leaves the loop's state and the capture clean however the loop ends.
    struct TLoopGuard {
        TScroller& S;
        explicit TLoopGuard(TScroller& s) : S(s) { S.InAutoScroll = true; S.AutoScrollEnded = false; }
        ~TLoopGuard()
        {
            if (S.Window->HasCapture())
                S.Window->ReleaseCapture();
            S.InAutoScroll = false;
        }
    } guard(*this);

    Window->SetCapture();
    // Passes come at a steady pace, however fast the pointer reports moves.
    int64_t due = Platform::TickCount();
    while (AutoScrollRunning()) {
        Platform::WaitAndDispatch(int(std::clamp<int64_t>(due - Platform::TickCount(), 0, AutoScrollPace)));
        if (!AutoScrollRunning())
            break;
        if (Platform::TickCount() < due)
            continue;
        due = Platform::TickCount() + AutoScrollPace;
        if (AutoScroll())
            FollowPointer();
    }
}
