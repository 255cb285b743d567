#include "framework/GadgetWindow.h"

#include "framework/Application.h"
#include "framework/CommandRoute.h"
#include "framework/Frame.h"

#include <algorithm>
#include <utility>

std::unique_ptr<TFont> MakeGadgetWindowFont(int pointSize)
{
    // The cell of a sans-serif face is about 1.15 times its size in points.
    return std::make_unique<TFont>("Liberation Sans", MulDiv(pointSize * 115, ScreenLogPixelsY(), 7200));
}

TGadgetWindow::TGadgetWindow(TWindow* parent, std::unique_ptr<TFont> font)
    : TWindow(parent), Font(font ? std::move(font) : MakeGadgetWindowFont())
{
    Attr.H = DesiredHeight();
}

TGadgetWindow::~TGadgetWindow() = default;

// --- gadgets -------------------------------------------------------------------------

TGadget& TGadgetWindow::Insert(std::unique_ptr<TGadget> gadget, TPlacement placement, TGadget* sibling)
{
    auto at = GadgetList.end();
    if (sibling)
        at = std::find_if(GadgetList.begin(), GadgetList.end(), [sibling](const auto& g) { return g.get() == sibling; });
    if (at != GadgetList.end() && placement == After)
        ++at;
    else if (!sibling && placement == Before)
        at = GadgetList.begin();
    TGadget& inserted = **GadgetList.insert(at, std::move(gadget));
    inserted.Window = this;
    Attr.H = DesiredHeight();
    LayoutSession();
    return inserted;
}

std::vector<TGadget*> TGadgetWindow::Gadgets() const
{
    std::vector<TGadget*> gadgets;
    for (const auto& g : GadgetList)
        gadgets.push_back(g.get());
    return gadgets;
}

TGadget* TGadgetWindow::GadgetWithId(int id) const
{
    for (const auto& g : GadgetList)
        if (g->GetId() == id)
            return g.get();
    return nullptr;
}

TGadget* TGadgetWindow::GadgetFromPoint(const TPoint& point) const
{
    for (const auto& g : GadgetList)
        if (g->PtIn(point))
            return g.get();
    return nullptr;
}

int TGadgetWindow::DesiredHeight() const
{
    int tallest = 0;
    for (const auto& g : GadgetList) {
        TSize size;
        g->GetDesiredSize(size);
        tallest = std::max(tallest, size.cy);
    }
    return Margins.Top + tallest + Margins.Bottom;
}

TRect TGadgetWindow::LayoutArea() const
{
    const TRect client = IsCreated() ? GetClientRect() : TRect{0, 0, Attr.W, Attr.H};
    return {client.left + Margins.Left, client.top + Margins.Top, client.right - Margins.Right,
            client.bottom - Margins.Bottom};
}

// Gadgets keep their desired widths; those as wide as possible share what
// is left, the first ones taking the odd pixels. Each is centred in the
// height.
void TGadgetWindow::LayoutSession()
{
    const TRect area = LayoutArea();
    std::vector<TSize> sizes;
    int fixed = 0, wide = 0;
    for (const auto& g : GadgetList) {
        TSize& size = sizes.emplace_back();
        g->GetDesiredSize(size);
        if (g->WideAsPossible)
            ++wide;
        else
            fixed += size.cx;
    }
    const int gaps = GadgetList.empty() ? 0 : Spacing * int(GadgetList.size() - 1);
    int left = std::max(0, area.Width() - fixed - gaps);
    int x = area.left;
    for (size_t i = 0; i < GadgetList.size(); ++i) {
        TGadget& g = *GadgetList[i];
        int width = sizes[i].cx;
        if (g.WideAsPossible) {
            const int share = left / wide;
            width = std::max(width, share);
            left -= share;
            --wide;
        }
        const int y = area.top + (area.Height() - sizes[i].cy) / 2;
        g.SetBounds({x, y, x + width, y + sizes[i].cy});
        x += width + Spacing;
    }
}

void TGadgetWindow::GadgetChangedSize(TGadget&)
{
    LayoutSession();
    Invalidate();
}

int TGadgetWindow::GetCharWidth() const
{
    int width = 0;
    return Font->GetCharWidth('0', width) && width > 0 ? width : std::max(1, GetFontHeight() / 2);
}

// --- hints, tool tips and commands ---------------------------------------------------

TDecoratedFrame* TGadgetWindow::Frame() const { return dynamic_cast<TDecoratedFrame*>(GetParent()); }

void TGadgetWindow::SetHintCommand(int id)
{
    if (TDecoratedFrame* frame = Frame())
        frame->SetHintCommand(id);
}

bool TGadgetWindow::GetToolTip(const TPoint& point, std::string& text, TRect& area)
{
    const TGadget* gadget = Tooltips ? GadgetFromPoint(point) : nullptr;
    const TDecoratedFrame* frame = Frame();
    if (!gadget || gadget->GetId() <= 0 || !frame)
        return false;
    text = frame->GetToolTipText(unsigned(gadget->GetId()));
    area = gadget->GetBounds();
    return !text.empty();
}

// Posted, so the click is over (capture released, button repainted) before
// the command runs, and the application's message filter sees it.
void TGadgetWindow::GadgetCommand(int id)
{
    if (TWindow* parent = GetParent())
        parent->PostMessage(WM_COMMAND, uintptr_t(id));
}

void TGadgetWindow::RouteCommandEnable(TCommandEnabler& enabler)
{
    const auto* frame = dynamic_cast<const TFrameWindow*>(GetParent());
    TCommandRoute(frame ? frame->CommandTarget() : this, GetApplication()).Enable(enabler);
}

bool TGadgetWindow::IdleAction(long idleCount)
{
    if (idleCount == 0)
        for (const auto& g : GadgetList)
            g->CommandEnable();
    return false;
}

// --- mouse ----------------------------------------------------------------------------

void TGadgetWindow::GadgetSetCapture(TGadget& gadget)
{
    Captured = &gadget;
    SetCapture();
}

void TGadgetWindow::GadgetReleaseCapture(TGadget& gadget)
{
    if (Captured != &gadget)
        return;
    Captured = nullptr;
    ReleaseCapture();
}

void TGadgetWindow::TrackMouse(unsigned modKeys, const TPoint& point)
{
    TGadget* now = GadgetFromPoint(point);
    if (now == AtMouse) {
        if (now)
            now->MouseMove(modKeys, point);
        return;
    }
    if (TGadget* old = std::exchange(AtMouse, now))
        old->MouseLeave(modKeys, point);
    if (now)
        now->MouseEnter(modKeys, point);
}

void TGadgetWindow::EvMouseMove(unsigned modKeys, const TPoint& point)
{
    if (Captured)
        Captured->MouseMove(modKeys, point);
    else
        TrackMouse(modKeys, point);
}

void TGadgetWindow::EvLButtonDown(unsigned modKeys, const TPoint& point)
{
    TrackMouse(modKeys, point);
    if (TGadget* gadget = GadgetFromPoint(point); gadget && gadget->GetEnabled())
        gadget->LButtonDown(modKeys, point);
}

// A second click that comes quickly is a click of its own.
void TGadgetWindow::EvLButtonDblClk(unsigned modKeys, const TPoint& point) { EvLButtonDown(modKeys, point); }

void TGadgetWindow::EvLButtonUp(unsigned modKeys, const TPoint& point)
{
    if (TGadget* gadget = Captured)
        gadget->LButtonUp(modKeys, point);
    // The mouse may have left the gadget it pressed.
    if (!Captured)
        TrackMouse(modKeys, point);
}

void TGadgetWindow::EvMouseLeave()
{
    if (Captured)
        return;
    if (TGadget* old = std::exchange(AtMouse, nullptr))
        old->MouseLeave(0, {-1, -1});
}

// --- painting and size ------------------------------------------------------------------

void TGadgetWindow::PaintBackground(TDC& dc, const TRect& rect) { dc.FillRect(rect, SysColor(COLOR_BTNFACE)); }

void TGadgetWindow::PaintGadgets(TDC& dc, bool, TRect& rect)
{
    for (const auto& g : GadgetList)
        if (!g->GetBounds().Intersection(rect).IsEmpty())
            g->Paint(dc);
}

void TGadgetWindow::Paint(TDC& dc, bool erase, TRect& rect)
{
    PaintBackground(dc, rect);
    PaintGadgets(dc, erase, rect);
}

void TGadgetWindow::EvSize(unsigned sizeType, const TSize& size)
{
    TWindow::EvSize(sizeType, size);
    LayoutSession();
    Invalidate();
}
