#include "framework/DC.h"

#include "framework/Dib.h"

void TDC::DrawDib(int x, int y, const TDib& dib, const TRect& source)
{
    const TRect area = source.Intersection({0, 0, dib.Width(), dib.Height()});
    for (int sy = area.top; sy < area.bottom; ++sy) {
        for (int sx = area.left; sx < area.right;) {
            int end = sx + 1;
            while (end < area.right && dib.Index(end, sy) == dib.Index(sx, sy))
                ++end;
            if (!dib.IsTransparent(sx, sy))
                FillRect({x + sx - source.left, y + sy - source.top, x + end - source.left, y + sy - source.top + 1},
                         dib.ColorAt(sx, sy));
            sx = end;
        }
    }
}

void TDC::CombineDib(int x, int y, const TDib& dib, const TRect& source, TRasterOp op) { DrawDib(x, y, dib, source); }

std::vector<TFontFamilyReport> TDC::EnumFontFamilies() const { return {}; }
