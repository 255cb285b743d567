// Palette images: reading XPM text, mapping the standard greys to the
// interface colours, and the faces a button draws from an image.
#include "framework/Dib.h"
#include "framework/UIFace.h"

#include <gtest/gtest.h>

#include <iterator>

namespace {

const char* const Sample[] = {
    "4 2 4 1",
    ". c #C0C0C0",
    "k c #000000",
    "w c #FFFFFF",
    "_ c None",
    ".kw_",
    "kk..",
};

TEST(DibTest, ReadsXpmColoursAndPixels)
{
    const std::optional<TDib> dib = TDib::FromXpm(Sample, std::size(Sample), 77);
    ASSERT_TRUE(dib);
    EXPECT_EQ(dib->GetId(), 77);
    EXPECT_EQ(dib->Width(), 4);
    EXPECT_EQ(dib->Height(), 2);
    EXPECT_EQ(dib->ColorAt(0, 0), MakeRGB(192, 192, 192));
    EXPECT_EQ(dib->ColorAt(1, 0), MakeRGB(0, 0, 0));
    EXPECT_EQ(dib->ColorAt(2, 0), MakeRGB(255, 255, 255));
    EXPECT_TRUE(dib->IsTransparent(3, 0));
    EXPECT_FALSE(dib->IsTransparent(0, 1));
    EXPECT_EQ(dib->ColorAt(1, 1), MakeRGB(0, 0, 0));
}

TEST(DibTest, RejectsMalformedXpm)
{
    const std::vector<std::vector<const char*>> bad = {
        {"4 2 1"},                                 // header without characters per pixel
        {"2 1 1 1", ". c black", ".."},            // colour by name
        {"2 1 1 1", ". c #000000", "..."},         // row too long
        {"2 1 1 1", ". c #000000", ".x"},          // unknown key
        {"2 2 1 1", ". c #000000", ".."},          // rows missing
    };
    for (const auto& lines : bad)
        EXPECT_FALSE(TDib::FromXpm(lines.data(), lines.size())) << lines[0];
}

TEST(DibTest, MapsOnlyTheStandardGreysAskedFor)
{
    TDib dib = *TDib::FromXpm(Sample, std::size(Sample));
    dib.MapUIColors(TDib::MapFace | TDib::MapText);
    EXPECT_EQ(dib.ColorAt(0, 0), SysColor(COLOR_BTNFACE));
    EXPECT_EQ(dib.ColorAt(1, 0), SysColor(COLOR_BTNTEXT));
    EXPECT_EQ(dib.ColorAt(2, 0), MakeRGB(255, 255, 255));  // highlight not asked for
    dib.MapUIColors(TDib::MapHighlight | TDib::MapShadow);
    EXPECT_EQ(dib.ColorAt(2, 0), SysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_TRUE(dib.IsTransparent(3, 0));
}

TEST(UIFaceTest, TheOutlineHoldsThePicturesPixelsOnly)
{
    TDib dib = *TDib::FromXpm(Sample, std::size(Sample));
    dib.MapUIColors(TDib::MapFace | TDib::MapText | TDib::MapHighlight);
    const TDib outline = TUIFace::Outline(dib, SysColor(COLOR_BTNFACE), SysColor(COLOR_BTNSHADOW));
    std::string drawn;
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x)
            drawn += outline.IsTransparent(x, y) ? '.' : '#';
    EXPECT_EQ(drawn, ".#..##..");
    EXPECT_EQ(outline.ColorAt(1, 0), SysColor(COLOR_BTNSHADOW));

    const TDib clear = TUIFace::WithoutBackground(dib, SysColor(COLOR_BTNFACE));
    EXPECT_TRUE(clear.IsTransparent(0, 0));
    EXPECT_FALSE(clear.IsTransparent(2, 0));  // white stays
    EXPECT_EQ(clear.ColorAt(1, 1), SysColor(COLOR_BTNTEXT));
}

TEST(UIFaceTest, TheDownFaceIsDottedAndItsImageMovesByOnePixel)
{
    // A recording context: where the images go.
    struct TDcLog : TDC {
        std::vector<std::pair<TPoint, size_t>> Images;  // position, palette size
        void FillRect(const TRect&, TColor) override {}
        void InvertRect(const TRect&) override {}
        void SelectFont(const TFont&) override {}
        void RestoreObjects() override {}
        void SetTextColor(TColor) override {}
        void SetBkColor(TColor) override {}
        void SetTextAlign(unsigned) override {}
        int64_t TabbedTextOut(int64_t, int, std::string_view, int64_t, int64_t) override { return 0; }
        int GetDeviceCaps(int) const override { return 0; }
        void DrawDib(int x, int y, const TDib& dib, const TRect&) override { Images.push_back({{x, y}, dib.Palette().size()}); }
    };
    const TDib dib = *TDib::FromXpm(Sample, std::size(Sample));
    const TRect face{10, 20, 18, 24};  // 8 x 4: the 4 x 2 image sits at (12, 21)
    TDcLog normal, down, disabled;
    TUIFace(face, dib).Paint(normal, {0, 0}, TUIFace::Normal, false);
    TUIFace(face, dib).Paint(down, {0, 0}, TUIFace::Down, false);
    TUIFace(face, dib).Paint(disabled, {0, 0}, TUIFace::Disabled, false);
    ASSERT_EQ(normal.Images.size(), 1u);
    EXPECT_EQ(normal.Images[0].first, (TPoint{12, 21}));
    ASSERT_EQ(down.Images.size(), 2u);  // the dots, then the image
    EXPECT_EQ(down.Images[0].first, (TPoint{10, 20}));
    EXPECT_EQ(down.Images[1].first, (TPoint{13, 22}));
    ASSERT_EQ(disabled.Images.size(), 2u);  // highlight one pixel off, then shadow
    EXPECT_EQ(disabled.Images[0].first, (TPoint{13, 22}));
    EXPECT_EQ(disabled.Images[1].first, (TPoint{12, 21}));
}

}  // namespace
