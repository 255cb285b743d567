#include "framework/Dib.h"

#include <array>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

namespace {

constexpr size_t MaxColours = 256;

// "#RRGGBB" or "None" after the key "c" of an XPM colour line.
std::optional<TColor> ParseXpmColour(std::string_view line, bool& none)
{
    none = false;
    const size_t key = line.find(" c ");
    if (key == std::string_view::npos)
        return std::nullopt;
    std::string_view value = line.substr(key + 3);
    value = value.substr(0, value.find(' '));
    if (value == "None" || value == "none") {
        none = true;
        return TColor{0};
    }
    unsigned r = 0, g = 0, b = 0;
    if (value.size() != 7 || value[0] != '#' ||
        std::sscanf(std::string(value).c_str(), "#%02x%02x%02x", &r, &g, &b) != 3)
        return std::nullopt;
    return MakeRGB(r, g, b);
}

}  // namespace

TDib::TDib(int width, int height, std::vector<TColor> palette)
    : W(std::max(width, 0)), H(std::max(height, 0)), Colours(std::move(palette)),
      Pixels(size_t(W) * size_t(H), 0)
{
}

std::optional<TDib> TDib::FromXpm(const char* const* lines, size_t count, int id)
{
    int width = 0, height = 0, colours = 0, perPixel = 0;
    if (count == 0 || std::sscanf(lines[0], "%d %d %d %d", &width, &height, &colours, &perPixel) != 4)
        return std::nullopt;
    if (width <= 0 || height <= 0 || colours <= 0 || size_t(colours) > MaxColours || perPixel != 1 ||
        count < size_t(1 + colours + height))
        return std::nullopt;
    TDib dib(width, height, {});
    dib.Id = id;
    std::array<int, 256> indexOf;
    indexOf.fill(-1);
    for (int c = 0; c < colours; ++c) {
        const std::string_view line = lines[1 + c];
        bool none = false;
        const std::optional<TColor> colour = line.empty() ? std::nullopt : ParseXpmColour(line, none);
        if (!colour)
            return std::nullopt;
        indexOf[static_cast<unsigned char>(line[0])] = c;
        if (none)
            dib.Transparent = c;
        dib.Colours.push_back(*colour);
    }
    for (int y = 0; y < height; ++y) {
        const char* row = lines[1 + colours + y];
        if (std::strlen(row) != size_t(width))
            return std::nullopt;
        for (int x = 0; x < width; ++x) {
            const int index = indexOf[static_cast<unsigned char>(row[x])];
            if (index < 0)
                return std::nullopt;
            dib.SetIndex(x, y, uint8_t(index));
        }
    }
    return dib;
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
