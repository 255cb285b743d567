#include "framework/BitmapGadget.h"

#include <algorithm>

TBitmapGadget::TBitmapGadget(TDib image, int id, TBorderStyle borderStyle, int numImages, int startImage)
    : TGadget(id, borderStyle), Image(std::move(image)), NumImages(std::max(numImages, 1)),
      Current(std::clamp(startImage, 0, NumImages - 1))
{
}

int TBitmapGadget::SelectImage(int imageNum)
{
    const int before = Current;
    Current = std::clamp(imageNum, 0, NumImages - 1);
    if (Current != before)
        Invalidate();
    return before;
}

void TBitmapGadget::GetDesiredSize(TSize& size)
{
    TGadget::GetDesiredSize(size);
    size.cx += ImageWidth();
    size.cy += Image.Height();
}

void TBitmapGadget::Paint(TDC& dc)
{
    PaintBorder(dc);
    const TRect inner = GetInnerRect();
    const int w = std::min(ImageWidth(), inner.Width());
    const int h = std::min(Image.Height(), inner.Height());
    const int x = inner.left + (inner.Width() - w) / 2;
    const int y = inner.top + (inner.Height() - h) / 2;
    const int sx = Current * ImageWidth();
    dc.DrawDib(x, y, Image, {sx, 0, sx + w, h});
}
