// Dialog units as the window system converts them: a horizontal unit is a
// quarter of the dialog font's average character width, a vertical unit an
// eighth of its height, so a template keeps its proportions whatever font
// the desktop gives it.
#pragma once

#include "framework/DialogTemplate.h"
#include "framework/Types.h"

// The letters whose mean width is the average character width.
inline constexpr const char* DialogBaseLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

// The base units of a font: its average character width, taken from the
// width of the 52 letters and rounded to the nearest pixel, and its height.
TSize DialogBaseUnits(int lettersWidth, int fontHeight);

// A template rectangle in pixels of a font with these base units.
TRect DialogUnitsToPixels(const TDialogUnits& units, TSize base);
