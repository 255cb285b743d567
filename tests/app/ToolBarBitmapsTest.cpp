// The tool bar's bitmap resources: every button's glyph and grey image and
// the emblem load, have the sizes and colours the tool bar relies on.
#include "resources/Bitmaps.h"
#include "resources/ToolBar.h"

#include <gtest/gtest.h>

#include <set>

namespace {

std::set<TColor> ColoursUsed(const TDib& dib)
{
    std::set<TColor> used;
    for (int y = 0; y < dib.Height(); ++y)
        for (int x = 0; x < dib.Width(); ++x)
            used.insert(dib.ColorAt(x, y));
    return used;
}

const std::set<TColor> Vga16 = {
    MakeRGB(0, 0, 0),       MakeRGB(128, 0, 0),   MakeRGB(0, 128, 0),   MakeRGB(128, 128, 0),
    MakeRGB(0, 0, 128),     MakeRGB(128, 0, 128), MakeRGB(0, 128, 128), MakeRGB(192, 192, 192),
    MakeRGB(128, 128, 128), MakeRGB(255, 0, 0),   MakeRGB(0, 255, 0),   MakeRGB(255, 255, 0),
    MakeRGB(0, 0, 255),     MakeRGB(255, 0, 255), MakeRGB(0, 255, 255), MakeRGB(255, 255, 255),
};
const std::set<TColor> Greys = {MakeRGB(0, 0, 0), MakeRGB(128, 128, 128), MakeRGB(192, 192, 192),
                                MakeRGB(255, 255, 255)};

bool Within(const std::set<TColor>& used, const std::set<TColor>& allowed)
{
    for (TColor c : used)
        if (!allowed.count(c))
            return false;
    return true;
}

TEST(ToolBarBitmapsTest, EachButtonHasAColouredGlyphAndAGreyImageOfOneSize)
{
    int buttons = 0;
    for (const TToolBarItem& item : ToolBarItems()) {
        if (item.Kind != TToolBarItem::TKind::Button && item.Kind != TToolBarItem::TKind::Toggle)
            continue;
        ++buttons;
        const std::optional<TDib> glyph = LoadBitmapResource(int(item.Id));
        const std::optional<TDib> cold = LoadBitmapResource(int(item.Id) + 1000);
        ASSERT_TRUE(glyph && cold) << item.Id;
        EXPECT_EQ(glyph->Width(), 27) << item.Id;
        EXPECT_EQ(glyph->Height(), 25) << item.Id;
        EXPECT_EQ(cold->Width(), 27) << item.Id;
        EXPECT_EQ(cold->Height(), 25) << item.Id;
        EXPECT_TRUE(Within(ColoursUsed(*glyph), Vga16)) << item.Id;
        EXPECT_TRUE(Within(ColoursUsed(*cold), Greys)) << item.Id;
        EXPECT_FALSE(Within(ColoursUsed(*glyph), Greys)) << item.Id << " is in greys only";
        // The button face around the picture is light grey, so it takes
        // the desktop's face colour.
        EXPECT_EQ(glyph->ColorAt(0, 0), MakeRGB(192, 192, 192)) << item.Id;
        EXPECT_EQ(cold->ColorAt(0, 0), MakeRGB(192, 192, 192)) << item.Id;
    }
    EXPECT_EQ(buttons, 13);
}

TEST(ToolBarBitmapsTest, TheEmblemIs28Square)
{
    const std::optional<TDib> emblem = LoadBitmapResource(206);
    ASSERT_TRUE(emblem);
    EXPECT_EQ(emblem->Width(), 28);
    EXPECT_EQ(emblem->Height(), 28);
    EXPECT_TRUE(Within(ColoursUsed(*emblem), Vga16));
    EXPECT_FALSE(LoadBitmapResource(205));
}

}  // namespace
