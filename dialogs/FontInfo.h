// TFontInfo: one font listed by the font box: the description the device
// reported, its kind (1 raster, 2 device, 4 TrueType) and a style name.
#pragma once

#include "framework/FontFamily.h"

#include <cstdint>
#include <string>

struct TFontInfo {
    static constexpr size_t MaxStyleName = 59;

    TLogFont LogFont;
    int32_t FontType = 0;
    std::string StyleName;

    // The style name reported with an outline font is kept; other kinds are
    // named from weight and slant.
    TFontInfo(const TLogFont& logFont, int32_t fontType, const std::string& reportedStyle);

    // Same face (case counts), same style name, same kind.
    friend bool operator==(const TFontInfo& a, const TFontInfo& b)
    {
        return a.LogFont.FaceName == b.LogFont.FaceName && a.StyleName == b.StyleName && a.FontType == b.FontType;
    }
};

// "Regular", "Italic", "Bold" or "Bold Italic".
std::string StyleNameOf(int32_t weight, bool italic);
