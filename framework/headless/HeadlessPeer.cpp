#include "framework/headless/HeadlessPeer.h"

#include "framework/Placement.h"
#include "framework/Platform.h"
#include "framework/Window.h"
#include "framework/headless/FrameLayout.h"
#include "framework/headless/HeadlessDesktop.h"
#include "framework/headless/HeadlessMetrics.h"

#include <algorithm>

namespace {

TRect Union(const TRect& a, const TRect& b)
{
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right), std::max(a.bottom, b.bottom)};
}

TRect Offset(const TRect& r, int dx, int dy) { return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy}; }

// The strips that a scroll by (dx, dy) uncovers in a client area of size s.
std::vector<TRect> UncoveredStrips(TSize s, int dx, int dy)
{
    std::vector<TRect> strips;
    if (dy > 0)
        strips.push_back({0, 0, s.cx, dy});
    if (dy < 0)
        strips.push_back({0, s.cy + dy, s.cx, s.cy});
    if (dx > 0)
        strips.push_back({0, 0, dx, s.cy});
    if (dx < 0)
        strips.push_back({s.cx + dx, 0, s.cx, s.cy});
    return strips;
}

TRect InitialBounds(const TWindow& window)
{
    const TWindowAttr& a = window.Attr;
    return window.GetParent() ? TRect{0, 0, a.W, a.H} : TRect{a.X, a.Y, a.X + a.W, a.Y + a.H};
}

}  // namespace

THeadlessPeer::THeadlessPeer(THeadlessDesktop& desktop, TWindow& window)
    : Desktop(&desktop), Win(window), Area(InitialBounds(window)), Normal(Area), CaptionText(window.GetCaption()),
      CursorKind(window.Attr.Cursor)
{
    Desktop->Register(*this);
}

THeadlessPeer::~THeadlessPeer()
{
    if (Desktop)
        Desktop->Forget(*this);
}

void THeadlessPeer::ClearLogs()
{
    InvalidationLog.clear();
    ScrollLog.clear();
    DrawLog.clear();
    Paints = 0;
}

// --- geometry ------------------------------------------------------------------

bool THeadlessPeer::IsTopLevel() const { return !Win.GetParent() || !Win.GetParent()->IsCreated(); }

TPoint THeadlessPeer::ScreenOrigin() const
{
    const TPoint own{Area.left, Area.top};
    if (IsTopLevel())
        return own;
    const auto* parent = static_cast<const THeadlessPeer*>(Win.GetParent()->GetPeer());
    const TPoint base = parent->ScreenOrigin();
    return {base.x + own.x, base.y + own.y};
}

TPoint THeadlessPeer::ClientToScreen(TPoint p) const
{
    const TPoint o = ScreenOrigin();
    return {p.x + o.x, p.y + o.y};
}

TPoint THeadlessPeer::ScreenToClient(TPoint p) const
{
    const TPoint o = ScreenOrigin();
    return {p.x - o.x, p.y - o.y};
}

TRect THeadlessPeer::GetWindowRect() const
{
    const TPoint o = ScreenOrigin();
    return {o.x, o.y, o.x + Area.Width(), o.y + Area.Height()};
}

void THeadlessPeer::SetWindowPos(int x, int y, int w, int h)
{
    const TSize screen{HeadlessScreen.Width(), HeadlessScreen.Height()};
    SetBounds(IsTopLevel() ? BoundPlacement(x, y, w, h, screen) : TRect{x, y, x + w, y + h}, SIZE_RESTORED, false);
}

void THeadlessPeer::SetBounds(const TRect& bounds, unsigned sizeType, bool notifyAlways)
{
    const bool resized = bounds.Width() != Area.Width() || bounds.Height() != Area.Height();
    Area = bounds;
    State = sizeType;
    if (sizeType == SIZE_RESTORED)
        Normal = bounds;
    if (resized || notifyAlways) {
        NotifySize(sizeType);
        LayOutChildren();
    }
}

void THeadlessPeer::NotifySize(unsigned sizeType)
{
    DispatchMsg(TMsg{&Win, WM_SIZE, sizeType, intptr_t(MakeLParam(Area.Width(), Area.Height()))});
}

void THeadlessPeer::LayOutChildren()
{
    for (const auto& [child, rect] : FrameLayout(Win, ClientSize()))
        if (auto* peer = static_cast<THeadlessPeer*>(child->GetPeer()))
            peer->SetBounds(rect, SIZE_RESTORED, false);
}

void THeadlessPeer::ChildrenCreated()
{
    NotifySize(SIZE_RESTORED);
    LayOutChildren();
}

void THeadlessPeer::Show(int cmdShow)
{
    ShowCmd = cmdShow;
    // Showing a top-level window activates it, and so gives it the focus.
    if (Desktop && IsTopLevel() && cmdShow != SW_HIDE && cmdShow != SW_SHOWMINNOACTIVE)
        Desktop->SetFocus(&Win);
}

// --- painting ------------------------------------------------------------------

void THeadlessPeer::AddInvalidArea(const TRect& rect, bool erase)
{
    const TRect clipped = rect.Intersection(GetClientRect());
    if (clipped.IsEmpty())
        return;
    InvalidRect = Invalid ? Union(InvalidRect, clipped) : clipped;
    Invalid = true;
    InvalidErase = InvalidErase || erase;
}

void THeadlessPeer::Invalidate(const TRect* rect, bool erase)
{
    const TRect asked = rect ? *rect : GetClientRect();
    InvalidationLog.push_back({rect == nullptr, asked, erase});
    AddInvalidArea(asked, erase);
}

void THeadlessPeer::UpdateWindow()
{
    if (!Invalid)
        return;
    TRect rect = InvalidRect;
    const bool erase = InvalidErase;
    Invalid = InvalidErase = false;
    THeadlessDC dc(DrawLog, ClientSize(), true);
    TDrawCall& begin = DrawLog.emplace_back();
    begin.Kind = TDrawCall::TKind::BeginPaint;
    begin.Painting = true;
    begin.Rect = rect;
    ++Paints;
    Win.Paint(dc, erase, rect);
}

void THeadlessPeer::ScrollWindow(int dx, int dy)
{
    ScrollLog.push_back({dx, dy});
    if (Desktop)
        Desktop->CaretState().Shift(Win, dx, dy);
    // What was waiting to be painted moves with the contents.
    if (Invalid) {
        Invalid = false;
        AddInvalidArea(Offset(InvalidRect, dx, dy), InvalidErase);
    }
    for (const TRect& strip : UncoveredStrips(ClientSize(), dx, dy)) {
        InvalidationLog.push_back({false, strip, true});
        AddInvalidArea(strip, true);
    }
}

std::unique_ptr<TDC> THeadlessPeer::GetClientDC() { return std::make_unique<THeadlessDC>(DrawLog, ClientSize(), false); }

// --- input ---------------------------------------------------------------------

void THeadlessPeer::SetFocus()
{
    if (Desktop)
        Desktop->SetFocus(&Win);
}

bool THeadlessPeer::HasFocus() const { return Desktop && Desktop->Focus() == &Win; }

void THeadlessPeer::SetCapture()
{
    if (Desktop)
        Desktop->SetCapture(&Win);
}

void THeadlessPeer::ReleaseCapture()
{
    if (Desktop)
        Desktop->SetCapture(nullptr);
}

bool THeadlessPeer::HasCapture() const { return Desktop && Desktop->Capture() == &Win; }

// --- caret ---------------------------------------------------------------------

void THeadlessPeer::CreateCaret(int width, int height)
{
    if (Desktop)
        Desktop->CaretState().Create(Win, width, height);
}

void THeadlessPeer::DestroyCaret()
{
    if (Desktop)
        Desktop->CaretState().Destroy(Win);
}

void THeadlessPeer::SetCaretPos(int x, int y)
{
    if (Desktop)
        Desktop->CaretState().SetPos(x, y);
}

void THeadlessPeer::ShowCaret()
{
    if (Desktop)
        Desktop->CaretState().Show(Win);
}

void THeadlessPeer::HideCaret()
{
    if (Desktop)
        Desktop->CaretState().Hide(Win);
}

// --- scroll bars -----------------------------------------------------------------

void THeadlessPeer::SetScrollRange(int bar, int minPos, int maxPos, bool redraw)
{
    TScrollBarState& b = Bars[BarIndex(bar)];
    b.Min = minPos;
    b.Max = std::max(minPos, maxPos);
    b.Pos = std::clamp(b.Pos, b.Min, b.Max);
}

void THeadlessPeer::SetScrollPos(int bar, int pos, bool redraw)
{
    TScrollBarState& b = Bars[BarIndex(bar)];
    b.Pos = std::clamp(pos, b.Min, b.Max);
}
