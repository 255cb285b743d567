// Text through a device context: tab stops counted from the origin, bytes
// through the font's code page, and fonts that fit their cell.
#include "framework/Font.h"
#include "framework/qt/CodePage.h"
#include "framework/qt/FontImpl.h"
#include "framework/qt/PaintSurface.h"
#include "framework/qt/QtDC.h"

#include <QFontInfo>
#include <QPainter>

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

// A white image with a context on it.
class Canvas {
public:
    Canvas() : Image(400, 40, QImage::Format_RGB32), Surface(Image)
    {
        Image.fill(Qt::white);
        Context.emplace(Surface, std::nullopt, false);
    }

    QtDC& Dc() { return *Context; }
    // The pixels, after the context let go of its painter.
    const QImage& Pixels()
    {
        Surface.EndPainting();
        return Image;
    }

private:
    QImage Image;
    DeviceSurface Surface;
    std::optional<QtDC> Context;
};

QImage Drawn(const TFont& font, const std::vector<std::pair<int, std::string>>& pieces, int tabDistance = 40,
             int tabOrigin = 0)
{
    Canvas canvas;
    canvas.Dc().SelectFont(font);
    for (const auto& [x, text] : pieces)
        canvas.Dc().TabbedTextOut(x, 5, text, tabDistance, tabOrigin);
    return canvas.Pixels().copy();
}

int WidthOf(const TFont& font, unsigned char ch)
{
    int width = 0;
    EXPECT_TRUE(font.GetCharWidth(ch, width));
    return width;
}

TEST(TextDrawingTest, TabsAdvanceToTheNextMultipleOfTheDistanceFromTheOriginStrictlyRightOfThePen)
{
    const TFont font("Courier New", 16);
    const int w = WidthOf(font, 'a');
    // From x = 13 with the origin at 3: "a" ends at 13 + w, the tab goes to 43.
    EXPECT_EQ(Drawn(font, {{13, "a\tb"}}, 40, 3), Drawn(font, {{13, "a"}, {43, "b"}}));
    // A pen standing on a stop goes on to the next one.
    EXPECT_EQ(Drawn(font, {{43, "\tb"}}, 40, 3), Drawn(font, {{83, "b"}}));
    // Left of the origin the stops go on at the same distance.
    EXPECT_EQ(Drawn(font, {{70, "\tb"}}, 40, 100), Drawn(font, {{100, "b"}}));
    EXPECT_EQ(Drawn(font, {{20, "\tb"}}, 40, 100), Drawn(font, {{60, "b"}}));

    Canvas canvas;
    canvas.Dc().SelectFont(font);
    EXPECT_EQ(canvas.Dc().TabbedTextOut(13, 5, "a\tb", 40, 3), 43 + w - 13);
    EXPECT_EQ(canvas.Dc().TabbedTextOut(0, 5, "a\t\tbc", 40, 0), 80 + 2 * w);
}

// Glyphs stand at whole-pixel advances, the widths the text is measured
// with: a character after many others is drawn exactly where it would be
// drawn alone at the measured pen position, whatever the font size (sizes
// whose natural advance has a fraction would drift otherwise).
TEST(TextDrawingTest, GlyphsStandWhereTheMeasuredWidthsPutThem)
{
    for (const char* face : {"Courier New", "Terminal"}) {
        for (int height : {13, 15, 17, 19}) {
            const TFont font(face, height);
            const int w = WidthOf(font, 'a');
            const std::string before(30, '.');
            EXPECT_EQ(Drawn(font, {{2, before + "W"}}), Drawn(font, {{2, before}, {2 + 30 * w, "W"}}))
                << face << " " << height;
        }
    }
}

// A row of a huge document is drawn from its first character, billions of
// pixels left of the surface: its width and pens are counted in 64 bits,
// and what lands on the surface is drawn where it belongs.
TEST(TextDrawingTest, ARowBillionsOfPixelsWideIsMeasuredAndDrawnWhereItLands)
{
    // Large cells reach 32 bits of pixels with fewer characters.
    const TFont font("Courier New", 160);
    const int64_t w = WidthOf(font, '.'), n = INT32_MAX / w + 1'000'000;
    std::string row(size_t(n), '.');
    row += "W\tb";
    const int64_t x = 2 - n * w;  // the W stands at 2
    const int64_t tabStop = x + ((n + 1) * w / 40 + 1) * 40;
    Canvas canvas;
    canvas.Dc().SelectFont(font);
    EXPECT_EQ(canvas.Dc().TabbedTextOut(x, 5, row, 40, x), tabStop + WidthOf(font, 'b') - x);
    EXPECT_EQ(canvas.Pixels(), Drawn(font, {{2, "W"}, {int(tabStop), "b"}}));
}

TEST(TextDrawingTest, TheWidthDrawnIsTheSumOfTheCharacterWidthsWithOneCellPerByte)
{
    const TFont font("Courier New", 16);
    const int w = WidthOf(font, 'a');
    Canvas canvas;
    canvas.Dc().SelectFont(font);
    // Control characters, the unused bytes and the soft hyphen keep their cell.
    EXPECT_EQ(canvas.Dc().TabbedTextOut(0, 5, std::string("a\x01\x81\xAD" "b"), 40, 0), 5 * w);
    for (unsigned b : {0x01u, 0x7Fu, 0x81u, 0x9Du, 0xADu, 0xE9u})
        EXPECT_EQ(WidthOf(font, static_cast<unsigned char>(b)), w) << b;
}

TEST(TextDrawingTest, BytesMapThroughTheWindowsOrTheOemCodePage)
{
    const CodePage::TTable& windows = CodePage::GlyphTable(TCodePage::Windows1252);
    const CodePage::TTable& oem = CodePage::GlyphTable(TCodePage::Oem437);
    EXPECT_EQ(windows[0x80], u'€');
    EXPECT_EQ(windows[0xC4], u'Ä');
    EXPECT_EQ(windows[0x99], u'™');
    EXPECT_EQ(windows[0xE9], u'é');
    EXPECT_EQ(oem[0x80], u'Ç');
    EXPECT_EQ(oem[0xC4], u'─');
    EXPECT_EQ(oem[0xB3], u'│');
    EXPECT_EQ(oem[0xDB], u'█');
    EXPECT_EQ(oem[0xE1], u'ß');
    EXPECT_EQ(oem[0x01], u'☺');
    EXPECT_EQ(windows['A'], u'A');
    EXPECT_EQ(oem['A'], u'A');
}

TEST(TextDrawingTest, TypedCharactersGoBackToTheirWindowsByte)
{
    EXPECT_EQ(CodePage::Windows1252Byte(U'€'), 0x80);
    EXPECT_EQ(CodePage::Windows1252Byte(U'Ä'), 0xC4);
    EXPECT_EQ(CodePage::Windows1252Byte(U'ž'), 0x9E);
    EXPECT_EQ(CodePage::Windows1252Byte(U'a'), 'a');
    EXPECT_EQ(CodePage::Windows1252Byte(U'─'), -1);
    EXPECT_EQ(CodePage::Windows1252Byte(U'ł'), -1);
}

// What the context draws for a byte is what the toolkit draws for the
// code page's character in the same font.
QImage ToolkitDrawn(const TFont& font, char16_t ch)
{
    QImage image(400, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font.Impl()->Font);
    painter.setPen(Qt::black);
    painter.drawText(QPoint(10, 5 + font.Impl()->Ascent), QString(QChar(ch)));
    return image;
}

TEST(TextDrawingTest, TheTerminalFaceDrawsLineDrawingWhereWindowsTextDrawsLetters)
{
    const TFont oem("Terminal", 16);
    const TFont windows("Courier New", 16);
    ASSERT_EQ(oem.CodePage(), TCodePage::Oem437);
    EXPECT_EQ(Drawn(oem, {{10, "\xC4"}}), ToolkitDrawn(oem, u'─'));
    EXPECT_EQ(Drawn(windows, {{10, "\xC4"}}), ToolkitDrawn(windows, u'Ä'));
    EXPECT_EQ(Drawn(oem, {{10, "\x80"}}), ToolkitDrawn(oem, u'Ç'));
    EXPECT_EQ(Drawn(windows, {{10, "\x80"}}), ToolkitDrawn(windows, u'€'));
    EXPECT_NE(Drawn(oem, {{10, "\xC4"}}), Drawn(windows, {{10, "\xC4"}}));
}

TEST(TextDrawingTest, FontsFitTheirCellAndResolveToInstalledFaces)
{
    for (int height : {12, 16, 20, 33}) {
        const TFont font("Courier New", height);
        const int cell = font.Impl()->Ascent + font.Impl()->Descent;
        EXPECT_LE(cell, height);
        EXPECT_GE(cell, height - 2);
    }
    EXPECT_EQ(QFontInfo(TFont("Courier New", 16).Impl()->Font).family(), QStringLiteral("Liberation Mono"));
    EXPECT_EQ(QFontInfo(TFont("Terminal", 16).Impl()->Font).family(), QStringLiteral("DejaVu Sans Mono"));
    const TFont bold("Courier New", 16, 700);
    EXPECT_TRUE(bold.Impl()->Font.bold());
}

TEST(TextDrawingTest, TextCellsAreOpaqueInTheBackgroundColourAndAlignToTheirTop)
{
    const TFont font("Courier New", 16);
    Canvas canvas;
    canvas.Dc().SelectFont(font);
    canvas.Dc().SetBkColor(MakeRGB(0, 255, 0));
    canvas.Dc().SetTextColor(MakeRGB(0, 0, 255));
    const int width = canvas.Dc().TabbedTextOut(10, 5, "a\tb", 40, 10);
    const QImage& image = canvas.Pixels();
    const int cell = font.Impl()->Ascent + font.Impl()->Descent;
    EXPECT_EQ(image.pixel(10 + width - 1, 5) & 0xFFFFFF, 0x00FF00u);  // the cell's top row, inside
    EXPECT_EQ(image.pixel(30, 5 + cell - 1) & 0xFFFFFF, 0x00FF00u);   // the tab gap is filled too
    EXPECT_EQ(image.pixel(10, 4) & 0xFFFFFF, 0xFFFFFFu);              // above the cell
    EXPECT_EQ(image.pixel(10, 5 + cell) & 0xFFFFFF, 0xFFFFFFu);       // below it
    EXPECT_EQ(image.pixel(10 + width, 10) & 0xFFFFFF, 0xFFFFFFu);     // right of it
}

}  // namespace
