#include "framework/TextGadget.h"

#include "framework/GadgetWindow.h"

#include <algorithm>

namespace {

constexpr int TextMargin = 2;

}  // namespace

TTextGadget::TTextGadget(int id, TBorderStyle borderStyle, TAlign align, unsigned numChars, const std::string& text)
    : TGadget(id, borderStyle), Text(text), Align(align), NumChars(numChars)
{
    Margins.Left = Margins.Right = TextMargin;
}

int TTextGadget::TextWidth(const std::string& text) const
{
    const TGadgetWindow* window = GetGadgetWindow();
    return window ? TextExtent(window->GetFont(), text) : 0;
}

void TTextGadget::SetText(const std::string& text)
{
    if (text == Text)
        return;
    const bool grows = FitText && TextWidth(text) > GetInnerRect().Width();
    Text = text;
    if (grows && GetGadgetWindow())
        GetGadgetWindow()->GadgetChangedSize(*this);
    Invalidate();
}

void TTextGadget::GetDesiredSize(TSize& size)
{
    TGadget::GetDesiredSize(size);
    const TGadgetWindow* window = GetGadgetWindow();
    if (!window)
        return;
    int width = int(NumChars) * window->GetCharWidth();
    if (FitText)
        width = std::max(width, TextWidth(Text));
    size.cx += width;
    size.cy += window->GetFontHeight();
}

void TTextGadget::Paint(TDC& dc)
{
    PaintBorder(dc);
    const TGadgetWindow* window = GetGadgetWindow();
    const TRect inner = GetInnerRect();
    const int b = BorderWidth();
    const TRect face{GetBounds().left + b, GetBounds().top + b, GetBounds().right - b, GetBounds().bottom - b};
    dc.FillRect(face, SysColor(COLOR_BTNFACE));
    if (!window || Text.empty() || inner.IsEmpty())
        return;
    // Whole characters only: the text stops where the pane ends.
    std::string shown = Text;
    while (!shown.empty() && TextWidth(shown) > inner.Width())
        shown.pop_back();
    const int width = TextWidth(shown);
    int x = inner.left;
    if (Align == Center)
        x += (inner.Width() - width) / 2;
    else if (Align == Right)
        x = inner.right - width;
    const int y = inner.top + std::max(0, (inner.Height() - window->GetFontHeight()) / 2);
    dc.SelectFont(window->GetFont());
    dc.SetTextColor(SysColor(GetEnabled() ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    dc.SetBkColor(SysColor(COLOR_BTNFACE));
    dc.TabbedTextOut(x, y, shown, 0, x);
    dc.RestoreObjects();
}
