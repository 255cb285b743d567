// The font families of the headless desktop's screen and printer: a few
// of each kind, so lists of families have something to show. Tests set
// their own.
#pragma once

#include "framework/FontFamily.h"

#include <string>
#include <vector>

TFontFamilyReport HeadlessFamily(const std::string& face, unsigned fontType, uint8_t pitch, int32_t weight = FW_NORMAL,
                                 bool italic = false, const std::string& styleName = {});

// Courier New and Arial (outline), Terminal and System (raster).
std::vector<TFontFamilyReport> HeadlessScreenFonts();
// Courier New and Arial (outline), Courier and Courier New (the printer's own).
std::vector<TFontFamilyReport> HeadlessPrinterFonts();
