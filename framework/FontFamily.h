// What a device context reports of each font family it offers, as the
// window system's family enumeration reports it: a logical-font record,
// the style name of an outline font and the font's type bits.
#pragma once

#include <cstdint>
#include <string>

// Type bits of a report.
enum : unsigned { RASTER_FONTTYPE = 1, DEVICE_FONTTYPE = 2, TRUETYPE_FONTTYPE = 4 };
// The two low bits of PitchAndFamily.
enum : uint8_t { DEFAULT_PITCH = 0, FIXED_PITCH = 1, VARIABLE_PITCH = 2 };
enum : uint8_t { FF_DONTCARE = 0x00, FF_ROMAN = 0x10, FF_SWISS = 0x20, FF_MODERN = 0x30 };
enum : uint8_t { ANSI_CHARSET = 0, SYMBOL_CHARSET = 2 };
enum : int32_t { FW_NORMAL = 400, FW_BOLD = 700 };

struct TLogFont {
    int32_t Height = 0;
    int32_t Width = 0;
    int32_t Escapement = 0;
    int32_t Orientation = 0;
    int32_t Weight = FW_NORMAL;
    uint8_t Italic = 0;
    uint8_t Underline = 0;
    uint8_t StrikeOut = 0;
    uint8_t CharSet = ANSI_CHARSET;
    uint8_t OutPrecision = 0;
    uint8_t ClipPrecision = 0;
    uint8_t Quality = 0;
    uint8_t PitchAndFamily = DEFAULT_PITCH;
    // The family's name in the program's 8-bit character set.
    std::string FaceName;
};

struct TFontFamilyReport {
    TLogFont LogFont;
    std::string StyleName;  // outline fonts: the style the report stands for
    unsigned FontType = 0;  // RASTER_FONTTYPE, DEVICE_FONTTYPE, TRUETYPE_FONTTYPE
};
