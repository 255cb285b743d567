// TDib: a palette image as the window system's device-independent bitmaps
// hold one: a colour table and one index per pixel. The program's tool-bar
// images are 16-colour bitmaps of this kind, stored as XPM text.
#pragma once

#include "framework/Icon.h"
#include "framework/Types.h"

#include <cstdint>
#include <optional>
#include <vector>

class TDib {
public:
    TDib() = default;
    // Every pixel starts with colour index 0.
    TDib(int width, int height, std::vector<TColor> palette);

    // XPM text (one character per pixel; colours "#RRGGBB" or "None", which
    // leaves the surface under the pixel unchanged). Empty when malformed.
    static std::optional<TDib> FromXpm(const char* const* lines, size_t count, int id = 0);
    // The picture with its colours as they stand (transparent pixels clear).
    TIconImage ToIconImage() const;

    int Width() const { return W; }
    int Height() const { return H; }
    int GetId() const { return Id; }
    void SetId(int id) { Id = id; }
    const std::vector<TColor>& Palette() const { return Colours; }
    void SetColor(size_t index, TColor colour) { Colours.at(index) = colour; }

    uint8_t Index(int x, int y) const { return Pixels[size_t(y) * size_t(W) + size_t(x)]; }
    void SetIndex(int x, int y, uint8_t index) { Pixels[size_t(y) * size_t(W) + size_t(x)] = index; }
    TColor ColorAt(int x, int y) const { return Index(x, y) < Colours.size() ? Colours[Index(x, y)] : 0; }

    // The palette entry that stands for "no pixel" (-1: none).
    int TransparentIndex() const { return Transparent; }
    void SetTransparentIndex(int index) { Transparent = index; }
    bool IsTransparent(int x, int y) const { return Transparent >= 0 && Index(x, y) == Transparent; }

    // The window system's standard greys become references to the user's
    // interface colours, so an image follows the desktop's colour scheme:
    // light grey (192, 192, 192) the button face, black the button text,
    // dark grey (128, 128, 128) the button shadow, white the highlight.
    enum : unsigned { MapFace = 1, MapText = 2, MapShadow = 4, MapHighlight = 8 };
    void MapUIColors(unsigned mapFlags);

private:
    int Id = 0;
    int W = 0;
    int H = 0;
    std::vector<TColor> Colours;
    std::vector<uint8_t> Pixels;
    int Transparent = -1;
};
