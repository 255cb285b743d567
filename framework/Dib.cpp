#include "framework/Dib.h"

#include "framework/XpmImage.h"

#include <algorithm>

#include <array>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

namespace {

constexpr size_t MaxColours = 256;

TColor ColourOf(uint32_t argb) { return MakeRGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF); }

}  // namespace

TDib::TDib(int width, int height, std::vector<TColor> palette)
    : W(std::max(width, 0)), H(std::max(height, 0)), Colours(std::move(palette)),
      Pixels(size_t(W) * size_t(H), 0)
{
}

std::optional<TDib> TDib::FromXpm(const char* const* lines, size_t count, int id)
{
    const std::optional<TXpmImage> xpm = ReadXpm(lines, count);
    if (!xpm || size_t(xpm->Colours) > MaxColours)
        return std::nullopt;
    const TIconImage& image = xpm->Image;
    TDib dib(image.Width, image.Height, {});
    dib.Id = id;
    // The palette takes the colours in the order the pixels first use them.
    std::vector<uint32_t> seen;
    for (int y = 0; y < image.Height; ++y)
        for (int x = 0; x < image.Width; ++x) {
            const uint32_t argb = image.Pixels[size_t(y) * size_t(image.Width) + size_t(x)];
            auto found = std::find(seen.begin(), seen.end(), argb);
            if (found == seen.end()) {
                found = seen.insert(seen.end(), argb);
                dib.Colours.push_back(ColourOf(argb));
                if ((argb >> 24) == 0)
                    dib.Transparent = int(seen.size() - 1);
            }
            dib.SetIndex(x, y, uint8_t(found - seen.begin()));
        }
    return dib;
}

TIconImage TDib::ToIconImage() const
{
    TIconImage image{W, H, {}};
    image.Pixels.reserve(Pixels.size());
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const TColor c = ColorAt(x, y);
            image.Pixels.push_back(IsTransparent(x, y) ? 0u
                                                       : 0xFF000000u | (GetRValue(c) << 16) | (GetGValue(c) << 8) |
                                                             GetBValue(c));
        }
    return image;
}

void TDib::MapUIColors(unsigned mapFlags)
{
    struct TMapping {
        unsigned Flag;
        TColor From;
        TColor To;
    };
    static constexpr TMapping Mappings[] = {
        {MapFace, MakeRGB(192, 192, 192), SysColor(COLOR_BTNFACE)},
        {MapText, MakeRGB(0, 0, 0), SysColor(COLOR_BTNTEXT)},
        {MapShadow, MakeRGB(128, 128, 128), SysColor(COLOR_BTNSHADOW)},
        {MapHighlight, MakeRGB(255, 255, 255), SysColor(COLOR_BTNHIGHLIGHT)},
    };
    for (size_t i = 0; i < Colours.size(); ++i) {
        if (int(i) == Transparent)
            continue;
        for (const TMapping& m : Mappings)
            if ((mapFlags & m.Flag) && Colours[i] == m.From) {
                Colours[i] = m.To;
                break;
            }
    }
}
