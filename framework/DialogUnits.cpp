#include "framework/DialogUnits.h"

TSize DialogBaseUnits(int lettersWidth, int fontHeight)
{
    // Half-way widths round up: (w / 26 + 1) / 2 is w / 52 rounded.
    return {std::max(1, (lettersWidth / 26 + 1) / 2), std::max(1, fontHeight)};
}

TRect DialogUnitsToPixels(const TDialogUnits& u, TSize base)
{
    const int left = MulDiv(u.X, base.cx, 4);
    const int top = MulDiv(u.Y, base.cy, 8);
    return {left, top, left + MulDiv(u.Cx, base.cx, 4), top + MulDiv(u.Cy, base.cy, 8)};
}
