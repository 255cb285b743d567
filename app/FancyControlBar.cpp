#include "app/FancyControlBar.h"

#include "framework/UIBorder.h"

// Highlight under a shadow at the top, shadow over black at the bottom.
void TFancyControlBar::Paint(TDC& dc, bool erase, TRect& rect)
{
    PaintBackground(dc, rect);
    const TRect client = GetClientRect();
    const int w = client.Width(), h = client.Height();
    TUIBorder::HorizontalLine(dc, 0, w, 1, SysColor(COLOR_BTNHIGHLIGHT));
    TUIBorder::HorizontalLine(dc, 0, w, h - 2, SysColor(COLOR_BTNSHADOW));
    TUIBorder::HorizontalLine(dc, 0, w, 0, SysColor(COLOR_BTNSHADOW));
    TUIBorder::HorizontalLine(dc, 0, w, h - 1, MakeRGB(0, 0, 0));
    PaintGadgets(dc, erase, rect);
}
