#include "resources/AppIcon.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

// The glyph is laid out on a 32-unit grid and sampled at pixel centres, so
// every size is drawn from the same shapes rather than scaled as a bitmap.
constexpr double Grid = 32;
constexpr double PageLeft = 6, PageRight = 26, PageTop = 3, PageBottom = 29;
constexpr double Fold = 7;
constexpr double LineLeft = 10, LineHeight = 2;

struct TTextLine {
    double Top;
    double Right;
};
constexpr std::array<TTextLine, 4> TextLines{{{12, 22}, {16, 20}, {20, 22}, {24, 17}}};

constexpr uint32_t Clear = 0x00000000;
constexpr uint32_t Paper = 0xFFFFFFFF;
constexpr uint32_t Flap = 0xFFD4D8DE;
constexpr uint32_t Outline = 0xFF3C4048;
constexpr uint32_t Ink = 0xFF2F6DB5;

enum class TArea { Outside, Paper, Flap, Line };

TArea AreaAt(double u, double v)
{
    if (u < PageLeft || u >= PageRight || v < PageTop || v >= PageBottom)
        return TArea::Outside;
    const double intoCorner = u - (PageRight - Fold);
    const double belowTop = v - PageTop;
    if (intoCorner > 0 && belowTop < Fold)
        return intoCorner > belowTop ? TArea::Outside : TArea::Flap;
    for (const TTextLine& line : TextLines)
        if (v >= line.Top && v < line.Top + LineHeight && u >= LineLeft && u < line.Right)
            return TArea::Line;
    return TArea::Paper;
}

uint32_t ColourOf(TArea area)
{
    switch (area) {
    case TArea::Paper: return Paper;
    case TArea::Flap: return Flap;
    case TArea::Line: return Ink;
    case TArea::Outside: break;
    }
    return Clear;
}

class TIconCanvas {
public:
    explicit TIconCanvas(int size) : Size(size)
    {
        Areas.resize(size_t(size) * size, TArea::Outside);
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                Areas[Index(x, y)] = AreaAt((x + 0.5) * Grid / size, (y + 0.5) * Grid / size);
    }

    TIconImage Render() const
    {
        TIconImage image{Size, Size, std::vector<uint32_t>(size_t(Size) * Size, Clear)};
        for (int y = 0; y < Size; ++y)
            for (int x = 0; x < Size; ++x)
                image.Pixels[Index(x, y)] = IsEdge(x, y) ? Outline : ColourOf(At(x, y));
        return image;
    }

private:
    int Size;
    std::vector<TArea> Areas;

    size_t Index(int x, int y) const { return size_t(y) * Size + x; }
    TArea At(int x, int y) const
    {
        if (x < 0 || y < 0 || x >= Size || y >= Size)
            return TArea::Outside;
        return Areas[Index(x, y)];
    }
    // The page's border and the crease between the flap and the paper.
    bool IsEdge(int x, int y) const
    {
        const TArea here = At(x, y);
        if (here == TArea::Outside)
            return false;
        const std::array<TArea, 4> around{At(x - 1, y), At(x + 1, y), At(x, y - 1), At(x, y + 1)};
        for (TArea a : around)
            if (a == TArea::Outside || (here == TArea::Flap && a == TArea::Paper))
                return true;
        return false;
    }
};

}  // namespace

TIconImage AppIcon(int size)
{
    return TIconCanvas(size > 0 ? size : 32).Render();
}

std::string AppIconThemeFile(int size)
{
    const std::string side = std::to_string(size);
    return "hicolor/" + side + "x" + side + "/apps/" + AppIconName + ".png";
}
