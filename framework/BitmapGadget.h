// TBitmapGadget: a picture on a gadget window: one of numImages images
// laid side by side in a bitmap, centred in the gadget.
#pragma once

#include "framework/Dib.h"
#include "framework/Gadget.h"

class TBitmapGadget : public TGadget {
public:
    TBitmapGadget(TDib image, int id, TBorderStyle borderStyle = None, int numImages = 1, int startImage = 0);

    const TDib& GetImage() const { return Image; }
    int GetCurrentImage() const { return Current; }
    // Shows another of the images; returns the one shown before.
    int SelectImage(int imageNum);

    void GetDesiredSize(TSize& size) override;
    void Paint(TDC& dc) override;

private:
    TDib Image;
    int NumImages;
    int Current;

    int ImageWidth() const { return Image.Width() / NumImages; }
};
