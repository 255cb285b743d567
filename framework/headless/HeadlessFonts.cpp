#include "framework/headless/HeadlessFonts.h"

TFontFamilyReport HeadlessFamily(const std::string& face, unsigned fontType, uint8_t pitch, int32_t weight, bool italic,
                                 const std::string& styleName)
{
    TFontFamilyReport report;
    report.LogFont.FaceName = face;
    report.LogFont.Weight = weight;
    report.LogFont.Italic = italic ? 1 : 0;
    report.LogFont.PitchAndFamily = pitch;
    report.LogFont.Height = 16;
    report.FontType = fontType;
    report.StyleName = styleName;
    return report;
}

std::vector<TFontFamilyReport> HeadlessScreenFonts()
{
    return {
        HeadlessFamily("Courier New", TRUETYPE_FONTTYPE, FIXED_PITCH | FF_MODERN, FW_NORMAL, false, "Regular"),
        HeadlessFamily("Arial", TRUETYPE_FONTTYPE, VARIABLE_PITCH | FF_SWISS, FW_NORMAL, false, "Regular"),
        HeadlessFamily("Terminal", RASTER_FONTTYPE, FIXED_PITCH | FF_MODERN),
        HeadlessFamily("System", RASTER_FONTTYPE, VARIABLE_PITCH | FF_SWISS, FW_BOLD),
    };
}

std::vector<TFontFamilyReport> HeadlessPrinterFonts()
{
    return {
        HeadlessFamily("Courier New", TRUETYPE_FONTTYPE, FIXED_PITCH | FF_MODERN, FW_NORMAL, false, "Regular"),
        HeadlessFamily("Arial", TRUETYPE_FONTTYPE, VARIABLE_PITCH | FF_SWISS, FW_NORMAL, false, "Regular"),
        HeadlessFamily("Courier", DEVICE_FONTTYPE, FIXED_PITCH | FF_MODERN),
        HeadlessFamily("Courier New", DEVICE_FONTTYPE, FIXED_PITCH | FF_MODERN),
    };
}
