#include "framework/XpmImage.h"

#include <cstdio>
#include <cstring>
#include <map>
#include <sstream>
#include <string>

namespace {

// A colour line's keys and values, such as "c #FF0000" or "c None".
std::optional<uint32_t> ColourOf(const std::string& keys)
{
    std::istringstream in(keys);
    std::string key, value;
    while (in >> key >> value)
        if (key == "c") {
            if (value == "None" || value == "none")
                return 0x00000000u;
            unsigned rgb = 0;
            if (value.size() == 7 && value[0] == '#' && std::sscanf(value.c_str() + 1, "%6x", &rgb) == 1)
                return 0xFF000000u | rgb;
            return std::nullopt;
        }
    return std::nullopt;
}

}  // namespace

std::optional<TXpmImage> ReadXpm(const char* const* lines, size_t count)
{
    if (count < 1)
        return std::nullopt;
    int width = 0, height = 0, colours = 0, perPixel = 0, hotX = 0, hotY = 0;
    const int fields = std::sscanf(lines[0], "%d %d %d %d %d %d", &width, &height, &colours, &perPixel, &hotX, &hotY);
    if (fields < 4 || width <= 0 || height <= 0 || colours <= 0 || perPixel < 1 || perPixel > 2 ||
        count < 1 + size_t(colours) + size_t(height))
        return std::nullopt;
    std::map<std::string, uint32_t> palette;
    for (int i = 0; i < colours; ++i) {
        const std::string line = lines[1 + i];
        if (line.size() < size_t(perPixel))
            return std::nullopt;
        const auto colour = ColourOf(line.substr(size_t(perPixel)));
        if (!colour)
            return std::nullopt;
        palette[line.substr(0, size_t(perPixel))] = *colour;
    }
    TXpmImage xpm;
    xpm.Colours = colours;
    xpm.Image.Width = width;
    xpm.Image.Height = height;
    xpm.Image.Pixels.reserve(size_t(width) * size_t(height));
    for (int y = 0; y < height; ++y) {
        const char* row = lines[1 + colours + y];
        if (std::strlen(row) != size_t(width) * size_t(perPixel))
            return std::nullopt;
        for (int x = 0; x < width; ++x) {
            const auto found = palette.find(std::string(row + size_t(x) * size_t(perPixel), size_t(perPixel)));
            if (found == palette.end())
                return std::nullopt;
            xpm.Image.Pixels.push_back(found->second);
        }
    }
    if (fields >= 6)
        xpm.HotSpot = TPoint{hotX, hotY};
    return xpm;
}
