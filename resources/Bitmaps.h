// The program's bitmap resources, one XPM file each under bitmaps/: the
// tool-bar buttons' glyphs (by command id), their grey images (command id
// + 1000) and the emblem 206 at the tool bar's end. 16-colour images.
#pragma once

#include "framework/Dib.h"

#include <optional>

constexpr int IDB_LOGO = 206;  // the program's emblem (tool bar, About box)
// The font kinds' marks, four 16 x 16 cells in black on white: T, a lower
// T (the two make TT), A (raster), a printer (device).
constexpr int ID_FONTGLYPH = 2200;

std::optional<TDib> LoadBitmapResource(int id);

// A bitmap resource as a picture for a dialog; null when there is none.
const TIconImage* LoadBitmapPicture(int id);
