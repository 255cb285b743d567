#include "app/IEButtonGadget.h"

#include "framework/UIBorder.h"
#include "resources/Bitmaps.h"

namespace {

constexpr unsigned InterfaceColours = TDib::MapFace | TDib::MapText | TDib::MapShadow | TDib::MapHighlight;

TDib InterfaceImage(int resourceId)
{
    TDib image = LoadBitmapResource(resourceId).value_or(TDib{});
    image.MapUIColors(InterfaceColours);
    return image;
}

}  // namespace

TIEButtonGadget::TIEButtonGadget(int glyphId, int id, TType type, bool enabled, TState state, bool repeat)
    : TButtonGadget(InterfaceImage(glyphId), id, type, enabled, state, repeat), ColdImage(InterfaceImage(id + 1000))
{
}

TIEButtonGadget::TLook TIEButtonGadget::Look() const
{
    TLook look{TBorder::None, TUIFace::Normal, false, &GetGlyph()};
    const TState state = GetButtonState();
    if (IsPressed() || state == Down)
        look.Border = TBorder::Down;
    else if (Hot && GetEnabled())
        look.Border = TBorder::Up;

    if (!GetEnabled()) {
        look.Face = TUIFace::Disabled;
    } else if (state == Indeterminate) {
        look.Face = TUIFace::Indeterm;
        look.Pressed = IsPressed();
    } else if (state == Down && !IsPressed()) {
        look.Face = TUIFace::Down;
    } else {
        look.Pressed = IsPressed();
        if (!Hot && ColdImage.Width() > 0)
            look.Image = &ColdImage;
    }
    return look;
}

void TIEButtonGadget::Paint(TDC& dc)
{
    const TLook look = Look();
    PaintBorder(dc);
    PaintFace(dc, *look.Image, look.Face, look.Pressed);
}

// Without an edge, the ring an earlier paint's edge took is wiped in the
// face colour.
void TIEButtonGadget::PaintBorder(TDC& dc)
{
    const TBorder border = Look().Border;
    if (border != TBorder::None) {
        PaintButtonBorder(dc, border);
        return;
    }
    const TRect& b = GetBounds();
    TUIBorder::Outline(dc, b, SysColor(COLOR_BTNFACE));
    TUIBorder::Outline(dc, {b.left + 1, b.top + 1, b.right - 1, b.bottom - 1}, SysColor(COLOR_BTNFACE));
}

void TIEButtonGadget::MouseEnter(unsigned modKeys, const TPoint& point)
{
    TButtonGadget::MouseEnter(modKeys, point);
    Hot = true;
    Invalidate();
}

void TIEButtonGadget::MouseLeave(unsigned modKeys, const TPoint& point)
{
    TButtonGadget::MouseLeave(modKeys, point);
    Hot = false;
    Invalidate();
}
