// The font box and the number reading of the Options sheet's pages, apart
// from the sheet: which families a filter lets through, when two reports
// are one entry, what a refill keeps selected, how typed numbers read.
#include "dialogs/FontCombo.h"
#include "dialogs/IntegerText.h"
#include "framework/Dialog.h"
#include "framework/headless/HeadlessDesktop.h"
#include "resources/OptionsDialogs.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(TypedNumbers, ReadAsTheBoxesReadThem)
{
    const std::pair<const char*, int32_t> cases[] = {
        {"0x10", 16}, {"010", 8}, {"09", 0}, {"0XfF", 255}, {"0x", 0}, {"0xg", 0}, {"abc", 0}, {"", 0},
        {" \t+7", 7}, {"-12x", -12}, {"- 5", 0}, {"12 3", 12}, {"2147483647", INT32_MAX},
        {"2147483648", INT32_MAX}, {"-2147483648", INT32_MIN}, {"-99999999999999999999", INT32_MIN},
        {"0x1ffffffff", INT32_MAX},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(TextToInt32(text), value) << '"' << text << '"';
}

TEST(FontInfo, EqualMeansSameFaceWithCaseSameStyleSameKind)
{
    TLogFont courier;
    courier.FaceName = "Courier New";
    TLogFont lower = courier;
    lower.FaceName = "courier new";
    TLogFont bold = courier;
    bold.Weight = FW_BOLD;
    EXPECT_EQ(TFontInfo(courier, RASTER_FONTTYPE, "Ignored"), TFontInfo(courier, RASTER_FONTTYPE, ""));
    EXPECT_NE(TFontInfo(courier, RASTER_FONTTYPE, ""), TFontInfo(lower, RASTER_FONTTYPE, ""));
    EXPECT_NE(TFontInfo(courier, RASTER_FONTTYPE, ""), TFontInfo(bold, RASTER_FONTTYPE, ""));
    EXPECT_NE(TFontInfo(courier, TRUETYPE_FONTTYPE, "Regular"), TFontInfo(courier, DEVICE_FONTTYPE, ""));
    EXPECT_NE(TFontInfo(courier, TRUETYPE_FONTTYPE, "Regular"), TFontInfo(courier, TRUETYPE_FONTTYPE, "Book"));
    // Only outline fonts keep the reported style; others are named.
    EXPECT_EQ(TFontInfo(bold, RASTER_FONTTYPE, "Heavy").StyleName, "Bold");
    bold.Italic = 1;
    EXPECT_EQ(TFontInfo(bold, DEVICE_FONTTYPE, "").StyleName, "Bold Italic");
    EXPECT_EQ(TFontInfo(bold, TRUETYPE_FONTTYPE, "Heavy Oblique").StyleName, "Heavy Oblique");
}

class FontBox : public ::testing::Test {
protected:
    THeadlessDesktop Desktop;
    TDialog Page{nullptr, StyleInfoDialog()};
    TFontCombo Box{Page, IDC_FONTFACE};

    std::vector<std::pair<std::string, int32_t>> Listed() const
    {
        std::vector<std::pair<std::string, int32_t>> listed;
        for (int i = 0; i < Box.GetCount(); ++i)
            listed.emplace_back(Box.GetString(i), Box.GetFonts().at(Box.GetItemData(i)).FontType);
        return listed;
    }
};

TEST_F(FontBox, FiltersByKindAndPitchAndKeepsOnlyOneOfEqualReports)
{
    Desktop.ScreenFonts = {
        HeadlessFamily("Mono", TRUETYPE_FONTTYPE | DEVICE_FONTTYPE, FIXED_PITCH, FW_NORMAL, false, "Regular"),
        HeadlessFamily("Mono", TRUETYPE_FONTTYPE, FIXED_PITCH, FW_NORMAL, false, "Regular"),
        HeadlessFamily("mono", TRUETYPE_FONTTYPE, FIXED_PITCH, FW_NORMAL, false, "Regular"),
        HeadlessFamily("Sans", TRUETYPE_FONTTYPE, VARIABLE_PITCH),
        HeadlessFamily("Fixedsys", RASTER_FONTTYPE, FIXED_PITCH),
        HeadlessFamily("Anypitch", DEVICE_FONTTYPE, DEFAULT_PITCH),
        HeadlessFamily("Pica", DEVICE_FONTTYPE, FIXED_PITCH | FF_MODERN),
    };
    using TList = std::vector<std::pair<std::string, int32_t>>;
    struct TCase {
        uint16_t Filter;
        TList Expected;
    };
    const TCase cases[] = {
        {TFontCombo::ShowTrueType, {{"Mono", 4}, {"mono", 4}, {"Sans", 4}}},
        {TFontCombo::ShowDevice, {{"Anypitch", 2}, {"Mono", 2}, {"Pica", 2}}},
        {TFontCombo::ShowRaster | TFontCombo::FixedPitchOnly, {{"Fixedsys", 1}}},
        {TFontCombo::ShowTrueType | TFontCombo::ShowDevice | TFontCombo::ShowRaster | TFontCombo::FixedPitchOnly,
         {{"Fixedsys", 1}, {"Mono", 4}, {"mono", 4}, {"Pica", 2}}},
    };
    Page.SetHasWindow(true);
    for (const TCase& c : cases) {
        Box.SetFilter(c.Filter);
        Box.Fill();
        EXPECT_EQ(Listed(), c.Expected) << "filter " << c.Filter;
    }
}

TEST_F(FontBox, DoesNothingWithoutAWindowAndARefillKeepsTheFamilyWhileItIsListed)
{
    Box.Fill();
    EXPECT_EQ(Box.GetCount(), 0);
    Page.SetHasWindow(true);
    Box.SetupWindow();  // TrueType only: Arial and Courier New of the screen
    EXPECT_EQ(Box.GetText(255), "Arial");
    Box.SetSelIndex(Box.FindStringExact("courier new"));
    Box.SetFilter(TFontCombo::ShowTrueType | TFontCombo::ShowRaster | TFontCombo::FixedPitchOnly);
    Box.Fill();
    EXPECT_EQ(Box.GetText(255), "Courier New");
    Box.SetFilter(TFontCombo::ShowRaster);
    Box.Fill();
    EXPECT_EQ(Box.GetSelIndex(), -1);
    EXPECT_EQ(Box.GetText(255), "");
    // Raster families are named from weight: System is bold.
    ASSERT_EQ(Box.GetFonts().size(), 2u);
    EXPECT_EQ(Box.GetFonts()[0].StyleName, "Regular");
    EXPECT_EQ(Box.GetFonts()[1].StyleName, "Bold");
}

}  // namespace
