// TUIBorder: the 3-D edges of bars, panes and buttons, drawn with the
// interface colours in one-pixel lines: a raised edge is light on the top
// and left and shadowed on the bottom and right, a recessed one the other
// way round; an etched edge is a recessed line with a raised one inside.
#pragma once

#include "framework/DC.h"
#include "framework/Types.h"

class TUIBorder {
public:
    enum class TStyle { Plain, Raised, Recessed, Etched };

    TUIBorder(const TRect& frame, TStyle style) : Frame(frame), Style(style) {}
    void Paint(TDC& dc) const;
    // The width of the edge on each side.
    static int Width(TStyle style) { return style == TStyle::Etched ? 2 : 1; }

    // One-pixel lines from (x1, y) to (x2, y) and from (x, y1) to (x, y2),
    // the end excluded, as LineTo draws them.
    static void HorizontalLine(TDC& dc, int x1, int x2, int y, TColor colour);
    static void VerticalLine(TDC& dc, int x, int y1, int y2, TColor colour);
    // A rectangle outline, as Rectangle draws it with a hollow brush.
    static void Outline(TDC& dc, const TRect& rect, TColor colour);

private:
    TRect Frame;
    TStyle Style;

    static void Edge(TDC& dc, const TRect& rect, TColor topLeft, TColor bottomRight);
};
