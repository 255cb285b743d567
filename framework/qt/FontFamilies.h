// The font families of the desktop as the family enumeration reports them,
// from the toolkit's font database (fontconfig on this desktop). Printers
// print with the same families (the print system embeds them), so a
// printer context lists them as well; CUPS reports no printer-resident
// fonts, so no family is a device font here.
#pragma once

#include "framework/FontFamily.h"

#include <vector>

class QString;

std::vector<TFontFamilyReport> DesktopFontFamilies();

// Fixed pitch as the family's own advances show it: the database's claim
// is not trusted (fontconfig marks some proportional families mono and
// misses dual-width ones). Families without Latin letters keep the claim.
bool HasFixedAdvances(const QString& family, bool claimed);
