#include "framework/UIBorder.h"

namespace {

constexpr TColor Light = SysColor(COLOR_BTNHIGHLIGHT);
constexpr TColor Shadow = SysColor(COLOR_BTNSHADOW);

TRect Inset(const TRect& r, int by) { return {r.left + by, r.top + by, r.right - by, r.bottom - by}; }

}  // namespace

void TUIBorder::HorizontalLine(TDC& dc, int x1, int x2, int y, TColor colour)
{
    if (x2 > x1)
        dc.FillRect({x1, y, x2, y + 1}, colour);
}

void TUIBorder::VerticalLine(TDC& dc, int x, int y1, int y2, TColor colour)
{
    if (y2 > y1)
        dc.FillRect({x, y1, x + 1, y2}, colour);
}

void TUIBorder::Outline(TDC& dc, const TRect& rect, TColor colour) { Edge(dc, rect, colour, colour); }

// The top and left lines in one colour, the bottom and right in the other;
// the corners at the top right and bottom left go to the second.
void TUIBorder::Edge(TDC& dc, const TRect& r, TColor topLeft, TColor bottomRight)
{
    if (r.IsEmpty())
        return;
    HorizontalLine(dc, r.left, r.right - 1, r.top, topLeft);
    VerticalLine(dc, r.left, r.top, r.bottom - 1, topLeft);
    HorizontalLine(dc, r.left, r.right, r.bottom - 1, bottomRight);
    VerticalLine(dc, r.right - 1, r.top, r.bottom - 1, bottomRight);
}

void TUIBorder::Paint(TDC& dc) const
{
    switch (Style) {
    case TStyle::Plain: Outline(dc, Frame, Shadow); break;
    case TStyle::Raised: Edge(dc, Frame, Light, Shadow); break;
    case TStyle::Recessed: Edge(dc, Frame, Shadow, Light); break;
    case TStyle::Etched:
        Edge(dc, Frame, Shadow, Light);
        Edge(dc, Inset(Frame, 1), Light, Shadow);
        break;
    }
}
