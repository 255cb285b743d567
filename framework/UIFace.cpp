#include "framework/UIFace.h"

#include <algorithm>

namespace {

constexpr TColor Light = SysColor(COLOR_BTNHIGHLIGHT);
constexpr TColor Shadow = SysColor(COLOR_BTNSHADOW);

// Whether a pixel is part of the picture rather than its background.
bool IsDrawn(const TDib& image, int x, int y, TColor faceColour)
{
    if (image.IsTransparent(x, y))
        return false;
    const TColor c = image.ColorAt(x, y);
    return c != faceColour && c != Light && c != MakeRGB(192, 192, 192) && c != MakeRGB(255, 255, 255);
}

}  // namespace

TDib TUIFace::WithoutBackground(const TDib& image, TColor faceColour)
{
    TDib copy = image;
    std::vector<TColor> palette = image.Palette();
    if (palette.size() >= 256)
        return copy;
    const auto clear = uint8_t(palette.size());
    palette.push_back(0);
    TDib result(image.Width(), image.Height(), palette);
    result.SetId(image.GetId());
    result.SetTransparentIndex(clear);
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x) {
            const TColor c = image.ColorAt(x, y);
            const bool background = image.IsTransparent(x, y) || c == faceColour || c == MakeRGB(192, 192, 192);
            result.SetIndex(x, y, background ? clear : image.Index(x, y));
        }
    return result;
}

TDib TUIFace::Outline(const TDib& image, TColor faceColour, TColor colour)
{
    TDib mask(image.Width(), image.Height(), {0, colour});
    mask.SetId(image.GetId());
    mask.SetTransparentIndex(0);
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            if (IsDrawn(image, x, y, faceColour))
                mask.SetIndex(x, y, 1);
    return mask;
}

TDib TUIFace::Dither(int width, int height, TColor faceColour)
{
    TDib dots(width, height, {faceColour, Light});
    for (int y = 0; y < height; ++y)
        for (int x = (y & 1); x < width; x += 2)
            dots.SetIndex(x, y, 1);
    return dots;
}

void TUIFace::Paint(TDC& dc, TPoint srcOrigin, TState state, bool pressed, bool fillFace) const
{
    const bool dotted = (state == Down || state == Indeterm) && !pressed;
    if (fillFace) {
        if (dotted)
            dc.DrawDib(Face.left, Face.top, Dither(Face.Width(), Face.Height(), FaceColour),
                       {0, 0, Face.Width(), Face.Height()});
        else
            dc.FillRect(Face, FaceColour);
    }
    const int shift = pressed || state == Down ? 1 : 0;
    const int w = std::min(Image.Width() - srcOrigin.x, Face.Width() - shift);
    const int h = std::min(Image.Height() - srcOrigin.y, Face.Height() - shift);
    if (w <= 0 || h <= 0)
        return;
    const int x = Face.left + (Face.Width() - w) / 2 + shift;
    const int y = Face.top + (Face.Height() - h) / 2 + shift;
    const TRect source{srcOrigin.x, srcOrigin.y, srcOrigin.x + w, srcOrigin.y + h};
    switch (state) {
    case Normal:
    case Down: dc.DrawDib(x, y, WithoutBackground(Image, FaceColour), source); break;
    case Disabled:
        // One pixel off in the highlight, then in place in the shadow: the
        // picture looks pressed into the face.
        dc.DrawDib(x + 1, y + 1, Outline(Image, FaceColour, Light), source);
        dc.DrawDib(x, y, Outline(Image, FaceColour, Shadow), source);
        break;
    case Indeterm: dc.DrawDib(x, y, Outline(Image, FaceColour, Shadow), source); break;
    }
}
