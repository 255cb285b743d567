#include "framework/Frame.h"

#include "framework/DC.h"

#include <algorithm>

TMessageBar::TMessageBar(TWindow* parent) : TWindow(parent) { Attr.H = BarHeight; }

void TMessageBar::SetText(const std::string& text)
{
    Text = text;
    Invalidate();
}

void TMessageBar::SetHintText(const std::string& hint)
{
    Hint = hint;
    ShowingHint = true;
    Invalidate();
}

void TMessageBar::ClearHint()
{
    Hint.clear();
    ShowingHint = false;
    Invalidate();
}

const TFont& TMessageBar::BarFont()
{
    if (!Font)
        Font = std::make_unique<TFont>("Liberation Sans", FontHeight);
    return *Font;
}

void TMessageBar::Paint(TDC& dc, bool erase, TRect& rect)
{
    const TRect client = GetClientRect();
    dc.FillRect(client, Background);
    const TFont& font = BarFont();
    dc.SelectFont(font);
    dc.SetTextColor(SysColor(COLOR_WINDOWTEXT));
    dc.SetBkColor(Background);
    const int y = std::max(0, (client.Height() - font.Height()) / 2);
    dc.TabbedTextOut(client.left + TextMargin, y, ShownText(), 8 * FontHeight, client.left + TextMargin);
    dc.RestoreObjects();
}
