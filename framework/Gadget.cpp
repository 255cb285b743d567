#include "framework/Gadget.h"

#include "framework/GadgetWindow.h"

namespace {

TUIBorder::TStyle UIStyleOf(TGadget::TBorderStyle style)
{
    switch (style) {
    case TGadget::Raised: return TUIBorder::TStyle::Raised;
    case TGadget::Recessed: return TUIBorder::TStyle::Recessed;
    case TGadget::Embossed: return TUIBorder::TStyle::Etched;
    case TGadget::None:
    case TGadget::Plain: break;
    }
    return TUIBorder::TStyle::Plain;
}

}  // namespace

TGadget::TGadget(int id, TBorderStyle borderStyle) : Id(id), BorderStyle(borderStyle) {}

TGadget::~TGadget() = default;

void TGadget::SetBounds(const TRect& bounds)
{
    if (bounds == Bounds)
        return;
    Invalidate();
    Bounds = bounds;
    Invalidate();
}

int TGadget::BorderWidth() const { return BorderStyle == None ? 0 : TUIBorder::Width(UIStyleOf(BorderStyle)); }

TRect TGadget::GetInnerRect() const
{
    const int b = BorderWidth();
    return {Bounds.left + b + Margins.Left, Bounds.top + b + Margins.Top, Bounds.right - b - Margins.Right,
            Bounds.bottom - b - Margins.Bottom};
}

void TGadget::SetBorderStyle(TBorderStyle style)
{
    BorderStyle = style;
    if (Window)
        Window->GadgetChangedSize(*this);
}

void TGadget::GetDesiredSize(TSize& size)
{
    const int b = BorderWidth();
    size = {2 * b + Margins.Left + Margins.Right, 2 * b + Margins.Top + Margins.Bottom};
}

void TGadget::SetEnabled(bool enabled)
{
    if (enabled == Enabled)
        return;
    Enabled = enabled;
    Invalidate();
}

void TGadget::Invalidate()
{
    if (Window && !Bounds.IsEmpty())
        Window->InvalidateRect(Bounds, true);
}

void TGadget::Paint(TDC& dc) { PaintBorder(dc); }

void TGadget::PaintBorder(TDC& dc)
{
    if (BorderStyle != None)
        TUIBorder(Bounds, UIStyleOf(BorderStyle)).Paint(dc);
}

void TGadget::CommandEnable() {}

void TGadget::MouseEnter(unsigned, const TPoint&) {}
void TGadget::MouseMove(unsigned, const TPoint&) {}
void TGadget::MouseLeave(unsigned, const TPoint&) {}
void TGadget::LButtonDown(unsigned, const TPoint&) {}
void TGadget::LButtonUp(unsigned, const TPoint&) {}
